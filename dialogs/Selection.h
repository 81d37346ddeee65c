// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The boxes that say the chosen row or record is not there to act on: one title for all.
#include <QString>

class QWidget;

namespace kotsu {

void selectionError(QWidget* parent, const QString& text);
void categoryNotFound(QWidget* parent);
void entryNotFound(QWidget* parent);

} // namespace kotsu
