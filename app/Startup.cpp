// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Startup.h"
#include "app/Form1.h"
#include "exchange/JetLedger.h"
#include "exchange/JetProtocol.h"
#include "ledger/LedgerError.h"
#include "ledger/Schema.h"
#include "ui/ErrorReport.h"
#include "ui/MessageBox.h"
#include <QDir>
#include <QFileInfo>
#include <optional>

namespace kotsu {

namespace {

const QString programTitle = QStringLiteral("コツコツ帳。");

QString native(const QString& path) {
    return QDir::toNativeSeparators(path);
}

void refuse(const QString& text) {
    MessageBox::error(nullptr, text, programTitle);
}

// Before any lock: a ledger that cannot be made or written is told here, with its folder,
// rather than as a failure of whatever would have touched it first. Nothing is written.
std::optional<LedgerAccess> checkAccess(const QString& path, const LedgerPlace& place) {
    const QFileInfo file(path);
    const QString folder = file.absolutePath();
    if (!QFileInfo(folder).isDir()) {
        refuse(QStringLiteral("台帳ファイルのフォルダがありません！！\n%1\n"
                              "フォルダを作ってから起動するか、ある場所のファイルを指定して"
                              "起動してください（kotsu ファイル名）。")
                   .arg(native(folder)));
        return std::nullopt;
    }
    const bool folderWritable = place.writable(folder);
    if (!file.exists()) {
        if (folderWritable)
            return LedgerAccess::ReadWrite;
        refuse(QStringLiteral("台帳ファイルを作れません！！\n%1\n"
                              "このフォルダには書き込めません。書き込めるフォルダのファイルを"
                              "指定して起動してください（kotsu ファイル名）。")
                   .arg(native(folder)));
        return std::nullopt;
    }
    // SQLite would open such a file without a word and fail at the first write.
    return folderWritable && place.writable(path) ? LedgerAccess::ReadWrite
                                                  : LedgerAccess::ReadOnly;
}

void refuseOpenElsewhere(const QString& ledgerPath) {
    refuse(QStringLiteral("この台帳はすでに開かれています！！\n%1\n"
                          "開いているコツコツ帳。をお使いください。")
               .arg(native(ledgerPath)));
}

// False when another program holds the ledger, by this name or any other, or when the lock
// cannot be taken at all: nothing of the ledger is touched then.
bool takeLock(QLockFile& lock, LedgerFileLock& fileLock, const QString& ledgerPath) {
    // The holder's process id tells a crashed holder, however old its lock.
    lock.setStaleLockTime(0);
    if (lock.tryLock(0)) {
        if (fileLock.lock(ledgerPath))
            return true;
        refuseOpenElsewhere(ledgerPath);
        return false;
    }
    if (lock.error() == QLockFile::LockFailedError) {
        refuseOpenElsewhere(ledgerPath);
        return false;
    }
    const QString why = lock.error() == QLockFile::PermissionError
                            ? QStringLiteral("このフォルダに書き込む許可がありません。")
                            : QStringLiteral("ファイルを作れませんでした（名前が長すぎるか、"
                                             "ファイルシステムのエラーです）。");
    refuse(QStringLiteral("台帳のロックファイルを作れません！！\n%1\n%2\n"
                          "台帳には何もしていません。")
               .arg(native(ledgerPath + QStringLiteral(".lock")), why));
    return false;
}

// What only a writable ledger can have done to it.
bool refusedReadOnly(const QString& path) {
    const QString why =
        isJetFile(path) ? QStringLiteral("Windows版の台帳は、引き継ぎのために書き込みが必要です。")
        : QFileInfo(path).size() == 0 ? QStringLiteral("台帳ファイルが空です（0 バイト）。")
                                      : QString();
    if (why.isEmpty())
        return false;
    refuse(
        QStringLiteral("読み取り専用の台帳ファイルは使えません！！\n%1\n%2\n"
                       "書き込めるようにするか、書き込める場所へコピーしてから起動してください。")
            .arg(native(path), why));
    return true;
}

// An empty file is what `touch` leaves: the user meant a new ledger, if they say so.
bool emptyFileDeclined(const QString& path) {
    const QFileInfo file(path);
    if (!file.isFile() || file.size() != 0)
        return false;
    const auto answer = MessageBox::show(
        nullptr,
        QStringLiteral("台帳ファイル %1 は空です（0 バイト）。新しい台帳として使いますか？")
            .arg(native(path)),
        programTitle, MessageBox::Icon::None, MessageBox::Buttons::YesNo);
    if (answer != MessageBox::Answer::Yes)
        return true;
    createLedger(path);
    return false;
}

bool readOnlyNeedsUpgrade(const QString& path) {
    if (!ledgerNeedsUpgrade(path))
        return false;
    refuse(
        QStringLiteral("この台帳は新しい形式への更新が必要ですが、読み取り専用のため"
                       "更新できません！！\n%1\n"
                       "書き込めるようにするか、書き込める場所へコピーしてから起動してください。")
            .arg(native(path)));
    return true;
}

} // namespace

Started startUp(const LedgerPlace& place) {
    Started s;
    s.exitCode = 1;
    const QString path = resolveLedgerPath(place);
    const std::optional<LedgerAccess> access = checkAccess(path, place);
    if (!access)
        return s;
    if (*access == LedgerAccess::ReadOnly) {
        // Nothing is written, so nothing needs guarding from a second program.
        if (refusedReadOnly(path))
            return s;
    } else {
        s.lock = std::make_unique<QLockFile>(path + QStringLiteral(".lock"));
        s.fileLock = std::make_unique<LedgerFileLock>();
        if (!takeLock(*s.lock, *s.fileLock, path))
            return s;
        // Recovers what an interrupted run left, then converts a Windows ledger.
        if (takeOverJetLedger(path) == TakeOver::Refused)
            return s;
    }
    try {
        if (*access == LedgerAccess::ReadOnly) {
            if (readOnlyNeedsUpgrade(path))
                return s;
        } else {
            if (emptyFileDeclined(path))
                return s;
            ensureLedger(path);
            // A ledger made or taken over just now is another file: the lock moves to it.
            if (!s.fileLock->lock(path)) {
                refuseOpenElsewhere(path);
                return s;
            }
        }
        s.window = std::make_unique<Form1>(path, *access);
        s.exitCode = 0;
    } catch (const LedgerError& e) {
        // Whatever went wrong, the user is told which file it was and the way out.
        reportLedgerError(nullptr,
                          e.file().isEmpty() ? LedgerError(e.number(), e.description(), path) : e,
                          QStringLiteral("ファイルを確かめるか、別の台帳ファイルを指定して起動して"
                                         "ください（kotsu ファイル名）。"));
    }
    return s;
}

} // namespace kotsu
