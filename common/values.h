// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Value helpers every module shares: amounts, the numeric test, date text.
#include <QDate>
#include <QString>
#include <optional>

namespace kotsu {

// "#,###,###,##0": grouped digits, at least one digit, leading minus.
QString formatAmount(qint64 value);

// Japanese input often arrives in full width; the numeric test reads it as ASCII.
QString toHalfWidth(const QString& text);

// The locale-aware numeric test: grouping, one sign, a decimal point, blanks around.
bool isNumeric(const QString& text);

// An amount text as whole yen: fractions round half to even; outside 32 bits is refused.
std::optional<qint32> toYen(const QString& text);

// "#########0": a numeric text as plain digits; empty stays empty, other text unchanged.
QString plainDigits(const QString& text);

// YYYY/MM/DD.
QString dateText(const QDate& date);

// Reads Y/M/D with one- or two-digit month and day; invalid when it is no date.
QDate parseDate(const QString& text);

} // namespace kotsu
