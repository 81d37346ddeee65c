// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The real main window over a temporary ledger, with scripted message boxes and clock.
#include "app/FlexGrid.h"
#include "app/Form1.h"
#include "common/values.h"
#include "support/TestLedger.h"
#include "ui/Clock.h"
#include "ui/FileDialog.h"
#include "ui/Fonts.h"
#include "ui/MessageBox.h"
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <memory>

namespace kotsu::test {

struct MainFixture {
    TestLedger ledger;
    std::unique_ptr<Form1> main;

    explicit MainFixture(const QDate& today = QDate(2005, 3, 7)) {
        enableAccessKeys();
        Clock::setToday(today);
        MessageBox::setScripted(true);
        MessageBox::reset();
        FileDialog::setScripted(true);
        FileDialog::askedFilters().clear();
    }
    Form1& open() {
        main = std::make_unique<Form1>(ledger.path);
        return *main;
    }
    // The window shown and active, for keys that go through focus and shortcuts.
    bool showActive() {
        main->show();
        QApplication::setActiveWindow(main.get());
        return QTest::qWaitForWindowActive(main.get());
    }
    QStringList entryRow(int r) const {
        QStringList out;
        for (int c = 0; c < 6; ++c)
            out << main->Flx明細->textMatrix(r, c);
        return out;
    }
    QStringList summaryRow(int r) const {
        QStringList out;
        for (int c = 0; c < 6; ++c)
            out << main->FLx科目->textMatrix(r, c);
        return out;
    }
    void register_(const QString& category, const QString& amount, const QString& comment = {}) {
        main->Cmb登録科目->setCurrentIndex(main->Cmb登録科目->findText(category));
        main->Txt登録金額->setText(amount);
        main->Cmb登録コメント->setEditText(comment);
        main->Cmb登録_Click();
    }
    void search(const QString& tag, const QString& filter = {}) {
        main->Tag = tag;
        main->Lbl明細日付->setText(tag.mid(1));
        if (!filter.isEmpty())
            main->Cmb明細科目->setCurrentIndex(main->Cmb明細科目->findText(filter));
        main->Command2_Click();
    }
    static bool isRed(QLabel* l) {
        return l->palette().color(QPalette::WindowText) == QColor(255, 0, 0);
    }
};

} // namespace kotsu::test
