// SPDX-License-Identifier: GPL-3.0-or-later
#include "ledger/Quote.h"

namespace kotsu::sql {

QString text(const QString& value) {
    QString doubled = value;
    doubled.replace(QLatin1Char('\''), QStringLiteral("''"));
    return QLatin1Char('\'') + doubled + QLatin1Char('\'');
}
QString number(qint64 value) {
    return QString::number(value);
}

} // namespace kotsu::sql
