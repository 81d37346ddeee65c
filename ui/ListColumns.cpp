// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ListColumns.h"
#include "common/values.h"
#include <QAbstractItemView>
#include <QHeaderView>
#include <QStyle>
#include <QTableView>

namespace kotsu {

namespace {

struct Column {
    const char16_t* title;
    int twips;
};

// The titles begin with ideographic spaces, as the old grid set them.
constexpr Column entryColumns[EntryListColumns] = {
    {u"No", 300},        {u"　　日付", 1200}, {u"　　　科目", 1530},
    {u"　　収入", 1100}, {u"　　支出", 1100}, {u"　　　 コメント", 2130}};

} // namespace

QString entryListTitle(int column) {
    return QString::fromUtf16(entryColumns[column].title);
}

int entryListTwips(int column) {
    return entryColumns[column].twips;
}

int cellWidth(const QAbstractItemView* view, const QString& text) {
    QString widest = text;
    for (QChar& c : widest)
        if (c.isDigit())
            c = QLatin1Char('0');
    // The delegate keeps a focus-frame margin and one pixel on each side, the grid a line.
    const int margin = view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1;
    const QFontMetrics fm = view->fontMetrics();
    return qMax(fm.horizontalAdvance(text), fm.horizontalAdvance(widest)) + 2 * margin + 2;
}

QString widestAmount(qint64 lo, qint64 hi) {
    const QString a = formatAmount(lo);
    const QString b = formatAmount(hi);
    return a.size() >= b.size() ? a : b;
}

void setUpRowList(QTableView* view) {
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setTabKeyNavigation(false);
    view->setWordWrap(false);
    view->verticalHeader()->hide();
    view->horizontalHeader()->setHighlightSections(false);
    view->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

} // namespace kotsu
