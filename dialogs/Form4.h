// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QDialog>
#include <array>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace kotsu {

class Database;
class MainPort;

// Adds or edits a category; the title label decides which. Tag holds the edited ID.
class Form4 : public QDialog {
    Q_OBJECT
public:
    Form4(MainPort& main, QWidget* parent = nullptr);

    QString Tag;
    QLabel* Lblタイトル;
    QLineEdit* Txt科目名;
    std::array<QRadioButton*, 2> Opt収支; // 0 収入, 1 支出
    QLineEdit* Txt予算;
    QPushButton* Cmb登録;
    QPushButton* Command1;

    bool isNewMode() const;
    void Opt収支_Click();
    void Cmb登録_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QString currentName(Database& db) const;

    MainPort& main_;
};

} // namespace kotsu
