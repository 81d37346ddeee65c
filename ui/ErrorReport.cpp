// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ErrorReport.h"
#include "ledger/ErrorText.h"
#include "ledger/LedgerError.h"
#include "ui/MessageBox.h"

namespace kotsu {

void reportLedgerError(QWidget* parent, const LedgerError& error) {
    MessageBox::error(parent,
                      QStringLiteral("実行時エラー '%1':\n\n%2")
                          .arg(error.number())
                          .arg(japaneseDescription(error)),
                      QStringLiteral("コツコツ帳。"));
}

} // namespace kotsu
