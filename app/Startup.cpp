// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Startup.h"
#include "app/Form1.h"
#include "exchange/JetLedger.h"
#include "ledger/LedgerError.h"
#include "ledger/Schema.h"
#include "ui/ErrorReport.h"
#include "ui/MessageBox.h"
#include <QDir>

namespace kotsu {

namespace {

// False only when another program holds the ledger. Where no lock file can be written at
// all, nothing of the ledger can be written either, so two programs cannot diverge there.
bool takeLock(QLockFile& lock, const QString& ledgerPath) {
    // The holder's process id tells a crashed holder, however old its lock.
    lock.setStaleLockTime(0);
    if (lock.tryLock(0) || lock.error() != QLockFile::LockFailedError)
        return true;
    MessageBox::error(nullptr,
                      QStringLiteral("この台帳はすでに開かれています！！\n%1\n"
                                     "開いているコツコツ帳。をお使いください。")
                          .arg(QDir::toNativeSeparators(ledgerPath)),
                      QStringLiteral("コツコツ帳。"));
    return false;
}

} // namespace

Started startUp(const LedgerPlace& place) {
    Started s;
    const QString path = resolveLedgerPath(place);
    s.lock = std::make_unique<QLockFile>(path + QStringLiteral(".lock"));
    if (!takeLock(*s.lock, path)) {
        s.exitCode = 1;
        return s;
    }
    // Recovers what an interrupted run left, then converts a Windows ledger.
    if (takeOverJetLedger(path) == TakeOver::Refused) {
        s.exitCode = 1;
        return s;
    }
    try {
        ensureLedger(path);
        s.window = std::make_unique<Form1>(path);
    } catch (const LedgerError& e) {
        reportLedgerError(nullptr, e);
        s.exitCode = 1;
    }
    return s;
}

} // namespace kotsu
