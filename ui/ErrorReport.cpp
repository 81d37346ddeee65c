// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ErrorReport.h"
#include "ledger/ErrorText.h"
#include "ledger/LedgerError.h"
#include "ui/MessageBox.h"

namespace kotsu {

void reportLedgerError(QWidget* parent, const LedgerError& error, const QString& advice) {
    QString text = QStringLiteral("実行時エラー '%1':\n\n%2")
                       .arg(error.number())
                       .arg(japaneseDescription(error));
    if (!advice.isEmpty())
        text += QStringLiteral("\n\n") + advice;
    MessageBox::error(parent, text, QStringLiteral("コツコツ帳。"));
}

} // namespace kotsu
