// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange/ExchangeCommands.h"
#include "common/Files.h"
#include "exchange/Cp932.h"
#include "exchange/ExportFormat.h"
#include "exchange/ExportTarget.h"
#include "exchange/Import.h"
#include "exchange/Progress.h"
#include "ledger/Backup.h"
#include "ledger/ErrorText.h"
#include "ledger/LedgerError.h"
#include "ledger/UndoHistory.h"
#include "ui/ErrorReport.h"
#include "ui/FileDialog.h"
#include "ui/MainPort.h"
#include "ui/MessageBox.h"
#include <QFileInfo>
#include <QSaveFile>
#include <optional>

namespace kotsu {

namespace {

void reportBackupFailure(MainPort& main, const QString& why) {
    MessageBox::error(main.window(),
                      QStringLiteral("バックアップを作成できませんでした！！\n") + why,
                      QStringLiteral("ﾊﾞｯｸｱｯﾌﾟエラー"));
}

// Read, backup and write behind one progress dialog, which is gone before any message.
// The backup is taken only once the file has passed every check, so a refused file never
// costs an older backup its place.
ImportOutcome importFile(MainPort& main, const QString& path) {
    Progress progress(main.window(), QStringLiteral("取り込み中"));
    OldLedger old;
    ImportOutcome outcome = readOldLedger(path, old, &progress);
    if (!outcome.ok)
        return outcome;
    return writeOldLedger(main.ledgerPath(), old, &progress);
}

bool askYes(MainPort& main, const QString& text, const QString& title) {
    return MessageBox::show(main.window(), text, title, MessageBox::Icon::None,
                            MessageBox::Buttons::YesNo) == MessageBox::Answer::Yes;
}

// One Japanese reason for a failed export; the system's own words are English.
QString writeFailure(const QSaveFile& file) {
    switch (file.error()) {
    case QFileDevice::OpenError:
    case QFileDevice::PermissionsError:
        return QStringLiteral("ファイルを作成できません。フォルダがあるか、書き込みが許可されて"
                              "いるかを確かめてください。");
    case QFileDevice::WriteError:
    case QFileDevice::ResourceError:
        return QStringLiteral("ファイルを書き終えられません。ディスクの空きを確かめてください。");
    default:
        return QStringLiteral("ファイルを保存できません。元のファイルはそのままです。");
    }
}

// Every row the entry grid lists, title row first, a block at a time: the grid reads
// its rows from the ledger as asked, so a long list never sits in memory whole. Why the
// file did not take them all, if so.
std::optional<QString> writeEntryRows(MainPort& main, QSaveFile& file, int& replaced) {
    constexpr int Block = 1024;
    const int count = main.entryRows();
    for (int first = 0; first < count; first += Block) {
        QList<QStringList> rows;
        for (int r = first; r < qMin(count, first + Block); ++r) {
            QStringList cells;
            for (int c = 0; c < 6; ++c)
                cells << main.entryCell(r, c);
            rows << cells;
        }
        int blockReplaced = 0;
        const std::optional<QByteArray> bytes = toCp932(exportText(rows), &blockReplaced);
        if (!bytes)
            return QStringLiteral("文字コードの変換ができません（Windowsの文字コードへの変換"
                                  "機能を使えません）。元のファイルはそのままです。");
        replaced += blockReplaced;
        if (file.write(*bytes) != bytes->size())
            return writeFailure(file);
    }
    return std::nullopt;
}

} // namespace

void ExchangeCommands::MnuExp_Click() {
    if (!askYes(main_,
                QStringLiteral(
                    "今現在、表示されている明細一覧をﾌｧｲﾙとして保存します。よろしいですか？"),
                QStringLiteral("確認")))
        return;
    QString pattern;
    QString path = FileDialog::getSaveFileName(
        main_.window(), QStringLiteral("ﾃｷｽﾄﾌｧｲﾙ(*.txt)|*.txt|CSVﾌｧｲﾙ(*.csv)|*.csv"), &pattern);
    if (path.isEmpty())
        return;
    // A name typed without an extension takes the chosen filter's.
    if (QFileInfo(path).suffix().isEmpty() && pattern.startsWith(QLatin1String("*.")))
        path += pattern.mid(1);
    std::optional<QString> failure = exportRefusal(path, main_.ledgerPath());
    if (failure) {
        MessageBox::error(main_.window(), QStringLiteral("保存できませんでした！！\n") + *failure,
                          QStringLiteral("保存エラー"));
        return;
    }
    if (QFileInfo::exists(path) &&
        MessageBox::show(main_.window(),
                         QStringLiteral("「%1」は既に存在します。\n上書きしますか？")
                             .arg(QFileInfo(path).fileName()),
                         QStringLiteral("上書きの確認"), MessageBox::Icon::None,
                         MessageBox::Buttons::YesNo,
                         MessageBox::Answer::No) != MessageBox::Answer::Yes)
        return;
    // Written beside the target and renamed over it only when complete. The explicit flush
    // matters: commit() does not report a short write (a full disk) of buffered data.
    QSaveFile file(path);
    int replaced = 0;
    try {
        failure = file.open(QIODevice::WriteOnly) ? writeEntryRows(main_, file, replaced)
                                                  : writeFailure(file);
    } catch (const LedgerError& e) {
        failure = japaneseDescription(e);
    }
    if (!failure && !(file.flush() && file.commit()))
        failure = writeFailure(file);
    if (failure) {
        file.cancelWriting();
        MessageBox::error(main_.window(), QStringLiteral("保存できませんでした！！\n") + *failure,
                          QStringLiteral("保存エラー"));
        return;
    }
    // The file took its name by a rename, which lasts once its folder is on the disk.
    syncFolderOf(QFileInfo(path).canonicalFilePath());
    const int count = main_.entryRows();
    if (count > 1)
        main_.setEntryCurrent(count - 1, 5);
    QString done = QStringLiteral("保存しました。");
    if (replaced > 0)
        done += QStringLiteral("\nWindowsの文字コードで書けない%1文字を「?」にしました。")
                    .arg(replaced);
    MessageBox::show(main_.window(), done, QStringLiteral("保存終了"));
}

void ExchangeCommands::MnuCls_Click() {
    if (!main_.mayWrite())
        return;
    if (!askYes(main_, QStringLiteral("全てのデータを初期化します。よろしいですか？"),
                QStringLiteral("確認")))
        return;
    if (!askYes(main_, QStringLiteral("この操作は取り消しが出来ません。本当に初期化しますか？"),
                QStringLiteral("最終確認")))
        return;
    try {
        main_.resetData();
    } catch (const BackupFailed& e) {
        reportBackupFailure(main_, japaneseDescription(e));
        return;
    } catch (const LedgerError& e) {
        reportLedgerError(main_.window(), e);
    }
    main_.reloadAll();
}

void ExchangeCommands::MnuInp_Click() {
    if (!main_.mayWrite())
        return;
    if (!askYes(
            main_,
            QStringLiteral(
                "Ver3.0以前のデータを取り込みます。\n取り込みを行う場合、既に登録されている明細、"
                "科目、コメントデータは初期化されますが、よろしいですか？"),
            QStringLiteral("ｲﾝﾎﾟｰﾄの注意")))
        return;
    if (!askYes(main_, QStringLiteral("この操作を行うと元には戻せませんが本当によろしいですか？"),
                QStringLiteral("確認")))
        return;
    const QString path = FileDialog::getOpenFileName(
        main_.window(), QStringLiteral("コツコツ帳。明細データ(*.mdb)|*.mdb"));
    if (path.isEmpty())
        return;
    const ImportOutcome outcome = importFile(main_, path);
    switch (outcome.refusal) {
    case ImportOutcome::Refusal::None:
        // Not a step: its backup is the way back, and no older step fits the new ledger.
        main_.undoHistory().clear();
        main_.reloadAll();
        MessageBox::show(main_.window(),
                         QStringLiteral("取り込みが終わりました。\n科目%1件、明細%2件を取り込み"
                                        "ました。")
                             .arg(outcome.categories)
                             .arg(outcome.entries),
                         QStringLiteral("ｲﾝﾎﾟｰﾄ終了"));
        break;
    case ImportOutcome::Refusal::Backup:
        reportBackupFailure(main_, outcome.reason);
        break;
    case ImportOutcome::Refusal::File:
        MessageBox::error(main_.window(),
                          QStringLiteral("取り込めないファイルです！！\n") + outcome.reason,
                          QStringLiteral("ｲﾝﾎﾟｰﾄエラー"));
        break;
    case ImportOutcome::Refusal::Ledger:
        MessageBox::error(main_.window(),
                          QStringLiteral("台帳に書き込めませんでした！！\n台帳は取り込みの前の"
                                         "ままです。\n") +
                              outcome.reason,
                          QStringLiteral("ｲﾝﾎﾟｰﾄエラー"));
        break;
    case ImportOutcome::Refusal::Cancelled:
        MessageBox::show(
            main_.window(),
            QStringLiteral("取り込みを取り消しました。\n台帳は取り込みの前のままです。"),
            QStringLiteral("ｲﾝﾎﾟｰﾄ終了"));
        break;
    }
}

} // namespace kotsu
