// SPDX-License-Identifier: GPL-3.0-or-later
// The list band: period choice, search, and the grids' popup menus.
#include "app/FlexGrid.h"
#include "app/Form1.h"
#include "common/values.h"
#include "datepick/DateMod.h"
#include "datepick/Form2.h"
#include <QComboBox>
#include <QCursor>
#include <QLabel>
#include <QMenu>
#include <optional>

namespace kotsu {

void Form1::Command1_Click() {
    const QString kept = Tag;
    Tag = QStringLiteral("MEISAI");
    {
        Form2 picker(*this, this);
        picker.exec();
    }
    const QString mode = Tag.left(1);
    const QString captionFor = mode == QLatin1String("y")   ? QStringLiteral("年指定：")
                               : mode == QLatin1String("m") ? QStringLiteral("月指定：")
                               : mode == QLatin1String("d") ? QStringLiteral("日指定：")
                                                            : QString();
    if (captionFor.isEmpty()) {
        Tag = kept;
        return;
    }
    Lbl明細日付->setText(Tag.mid(1));
    Label2[6]->setText(captionFor);
}

void Form1::Command2_Click() {
    const QString d = Lbl明細日付->text();
    const QDate date = parseDate(d);
    if (!date.isValid())
        return;
    QDate start, end;
    const QString mode = Tag.left(1);
    if (mode == QLatin1String("y")) {
        start = QDate(date.year(), 1, 1);
        end = QDate(date.year(), 12, 31);
    } else if (mode == QLatin1String("m")) {
        start = QDate(date.year(), date.month(), 1);
        end = QDate(date.year(), date.month(), Fnc月末日(date).toInt());
    } else if (mode == QLatin1String("d")) {
        start = end = date;
    } else {
        return;
    }
    // Everything is read before anything shown changes: a failed read leaves the grids,
    // totals, lists and the period as they were.
    std::optional<EntryListRead> entries;
    std::optional<CategoriesRead> categories;
    const bool read = guarded([&] {
        entries = readEntryList(start, end);
        categories = readCategories(start, end);
    });
    if (!read)
        return;
    showEntryList(std::move(*entries));
    showCategories(*categories);
    Dat期間開始 = start;
    Dat期間終了 = end;
}

void Form1::showEntryInMonth(const QDate& date, qint64 entryId) {
    // The calendar's month choice for that date, then the search button.
    Tag = QLatin1Char('m') + dateText(date);
    Lbl明細日付->setText(dateText(date));
    Label2[6]->setText(QStringLiteral("月指定："));
    Cmb明細科目->setCurrentIndex(0);
    Command2_Click();
    const int row = Flx明細->rowOfKey(0, entryId);
    if (row < 1)
        return;
    setEntryCurrent(row, Flx明細->col());
    Flx明細->scrollTo(Flx明細->currentIndex());
    Flx明細->setFocus();
}

void Form1::openPopup(QMenu* menu, FlexGrid* grid, bool atCursor) {
    const QPoint at =
        atCursor ? QCursor::pos() : grid->viewport()->mapToGlobal(grid->currentRowRect().center());
    menu->popup(at);
}

void Form1::FLx科目_MouseDown(int button) {
    if (button == 2)
        openPopup(MnuKamPop, FLx科目, true);
}

void Form1::Flx明細_MouseDown(int button) {
    if (button == 2)
        openPopup(MnuMeiPop, Flx明細, true);
}

} // namespace kotsu
