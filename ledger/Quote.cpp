// SPDX-License-Identifier: GPL-3.0-or-later
#include "ledger/Quote.h"
#include "common/values.h"

namespace kotsu::sql {

namespace {
QString quoted(const QString& value, QChar q) {
    QString doubled = value;
    doubled.replace(q, QString(2, q));
    return q + doubled + q;
}
} // namespace

QString text(const QString& value) {
    return quoted(value, QLatin1Char('\''));
}
QString likePattern(const QString& value) {
    return quoted(value, QLatin1Char('"'));
}
QString date(const QDate& value) {
    return QLatin1Char('#') + dateText(value) + QLatin1Char('#');
}
QString number(qint64 value) {
    return QString::number(value);
}

} // namespace kotsu::sql
