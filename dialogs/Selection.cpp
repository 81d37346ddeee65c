// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/Selection.h"
#include "ui/MessageBox.h"

namespace kotsu {

void selectionError(QWidget* parent, const QString& text) {
    MessageBox::error(parent, text, QStringLiteral("指定エラー"));
}

void categoryNotFound(QWidget* parent) {
    selectionError(parent, QStringLiteral("指定された科目が見つかりません！！"));
}

void entryNotFound(QWidget* parent) {
    selectionError(parent, QStringLiteral("指定された明細が見つかりません！！"));
}

} // namespace kotsu
