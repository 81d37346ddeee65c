// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QRect>

class QFrame;
class QLabel;
class QWidget;

namespace kotsu {

// A form rectangle given in twips, as the forms were laid out; 15 twips make a pixel.
inline QRect twips(int left, int top, int width, int height) {
    return QRect(left / 15, top / 15, width / 15, height / 15);
}

// The dialogs' dark red bold title.
void styleFormTitle(QLabel* label);
// The orange rule under a dialog's title.
QFrame* orangeRule(QWidget* parent, const QRect& geometry);

} // namespace kotsu
