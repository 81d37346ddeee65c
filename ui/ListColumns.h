// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The entry list's columns as every list of entries shows them, and the width a number
// column needs to show its figures whole.
#include <QString>

class QAbstractItemView;
class QTableView;

namespace kotsu {

// No, 日付, 科目, 収入, 支出, コメント.
constexpr int EntryListColumns = 6;
QString entryListTitle(int column);
int entryListTwips(int column);

// What a cell of this text needs in view, in pixels. Digits may differ in width, so the
// widest digit counts in every place: a column fitted once holds every number as long.
int cellWidth(const QAbstractItemView* view, const QString& text);

// Of the amounts lo and hi (a column's extremes), the text that needs the most room.
QString widestAmount(qint64 lo, qint64 hi);

// A read-only list of rows the way every list window shows one: a whole row chosen at a time,
// Tab leaving the list, no row numbers, left-aligned titles.
void setUpRowList(QTableView* view);

} // namespace kotsu
