// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The only way values enter statement text: a quote inside a value never ends it.
#include <QString>

namespace kotsu::sql {

QString text(const QString& value); // 'value' with inner ' doubled
QString number(qint64 value);

} // namespace kotsu::sql
