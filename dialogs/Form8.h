// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QDialog>

class QLabel;
class QPushButton;

namespace kotsu {

// The version dialog.
class Form8 : public QDialog {
    Q_OBJECT
public:
    explicit Form8(QWidget* parent = nullptr);

    QLabel* Lblメッセージ;
    QPushButton* Command2;
};

} // namespace kotsu
