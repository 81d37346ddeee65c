// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange/JetLedger.h"
#include "common/Files.h"
#include "exchange/JetReader.h"
#include "exchange/Progress.h"
#include "ledger/Database.h"
#include "ledger/ErrorText.h"
#include "ledger/LedgerError.h"
#include "ledger/Schema.h"
#include "ledger/TotalsTable.h"
#include "ui/MessageBox.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kotsu {

namespace {

struct TableShape {
    QString name;
    QStringList columns; // ID first
};

const QList<TableShape> shapes = {
    {QStringLiteral("科目テーブル"),
     {QStringLiteral("ID"), QStringLiteral("科目名前"), QStringLiteral("収支"),
      QStringLiteral("予算")}},
    {QStringLiteral("明細テーブル"),
     {QStringLiteral("ID"), QStringLiteral("日付"), QStringLiteral("科目ID"),
      QStringLiteral("金額"), QStringLiteral("コメント")}},
    {QStringLiteral("コメントテーブル"), {QStringLiteral("ID"), QStringLiteral("コメント名前")}}};

int columnOf(const JetTableRows& t, const QString& name) {
    for (int i = 0; i < t.columns.size(); ++i)
        if (t.columns[i].compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

// A table or column of ours that is missing: the file is some other database.
std::optional<QString> checkTables(const JetTableRows& t, const TableShape& shape) {
    if (!t.found)
        return QStringLiteral("テーブル「%1」がありません。").arg(shape.name);
    for (const QString& c : shape.columns)
        if (columnOf(t, c) < 0)
            return QStringLiteral("テーブル「%1」に列「%2」がありません。").arg(shape.name, c);
    return std::nullopt;
}

// Our tables, but not whole.
std::optional<QString> checkRows(const JetTableRows& t, const TableShape& shape) {
    if (t.rows.size() != t.declaredRows)
        return QStringLiteral("テーブル「%1」が壊れています。").arg(shape.name);
    for (int r = 0; r < t.rows.size(); ++r)
        if (t.rows[r][columnOf(t, QStringLiteral("ID"))].isNull)
            return QStringLiteral("テーブル「%1」の%2件目にIDがありません。")
                .arg(shape.name)
                .arg(r + 1);
    return std::nullopt;
}

QString freeName(const QString& wanted) {
    QString name = wanted;
    for (int n = 1; QFile::exists(name); ++n)
        name = wanted + QLatin1Char('.') + QString::number(n);
    return name;
}

QString buildingPath(const QString& path) {
    return path + QStringLiteral(".converting");
}

// The names the original is kept under, in the order they are taken.
QStringList keptNames(const QString& path) {
    QStringList names;
    const QString first = path + QStringLiteral(".jet");
    names << first;
    for (int n = 1; QFile::exists(names.last()); ++n)
        names << first + QLatin1Char('.') + QString::number(n);
    names.removeLast();
    return names;
}

// A copy that is on the disk before it is relied on.
bool copyDurably(const QString& from, const QString& to) {
    if (!QFile::copy(from, to))
        return false;
    const int fd = ::open(QFile::encodeName(to).constData(), O_RDONLY | O_CLOEXEC);
    const bool synced = fd >= 0 && ::fsync(fd) == 0;
    if (fd >= 0)
        ::close(fd);
    if (!synced)
        QFile::remove(to);
    return synced;
}

// The original stays under its kept name as a second link to the same file, or a copy
// where the file system has no links, so that the switch itself is one rename. It holds
// the household's accounts: the owner's alone, as every file of ours.
bool keepOriginal(const QString& path, const QString& kept) {
    const bool linked =
        ::link(QFile::encodeName(path).constData(), QFile::encodeName(kept).constData()) == 0;
    if (!linked && !copyDurably(path, kept))
        return false;
    ::chmod(QFile::encodeName(kept).constData(), 0600);
    syncFolderOf(kept);
    return true;
}

// Rows, sums of IDs and sums of amounts and budgets: what must be equal after copying.
QList<double> fingerprint(Database& db) {
    QList<double> parts;
    for (const char* sql :
         {"Select count(ID) as v From 科目テーブル", "Select total(ID) as v From 科目テーブル",
          "Select total(予算) as v From 科目テーブル", "Select count(ID) as v From 明細テーブル",
          "Select total(ID) as v From 明細テーブル", "Select total(金額) as v From 明細テーブル",
          "Select count(ID) as v From コメントテーブル",
          "Select total(ID) as v From コメントテーブル"})
        parts << db.openRecordset(QString::fromUtf8(sql)).value(QStringLiteral("v")).toDouble();
    return parts;
}

QList<double> expectedFingerprint(const QList<JetTableRows>& tables) {
    auto total = [](const JetTableRows& t, const QString& column) {
        const int c = columnOf(t, column);
        double sum = 0;
        for (const auto& row : t.rows)
            sum += row[c].text.toDouble();
        return sum;
    };
    return {double(tables[0].rows.size()),
            total(tables[0], QStringLiteral("ID")),
            total(tables[0], QStringLiteral("予算")),
            double(tables[1].rows.size()),
            total(tables[1], QStringLiteral("ID")),
            total(tables[1], QStringLiteral("金額")),
            double(tables[2].rows.size()),
            total(tables[2], QStringLiteral("ID"))};
}

void copyRows(Database& db, const JetTableRows& t, const TableShape& shape, Progress* progress,
              int& done) {
    Recordset rs = db.openTable(shape.name);
    QList<int> cols;
    for (const QString& c : shape.columns)
        cols << columnOf(t, c);
    for (const auto& row : t.rows) {
        rs.addNew();
        for (int i = 0; i < shape.columns.size(); ++i) {
            const JetValue& v = row[cols[i]];
            const bool number = shape.columns[i] == QLatin1String("予算") ||
                                shape.columns[i] == QLatin1String("金額");
            // The Windows program never left these empty; be lenient all the same.
            rs.setValue(shape.columns[i],
                        v.isNull ? (number ? QStringLiteral("0") : QString()) : v.text);
        }
        rs.update();
        if (progress && ++done % 512 == 0)
            progress->check(done);
    }
}

} // namespace

LedgerConversion convertJetLedger(const QString& path, Progress* progress) {
    LedgerConversion out;
    QStringList names;
    for (const auto& s : shapes)
        names << s.name;
    if (progress)
        progress->setStage(QStringLiteral("以前の台帳を読み取っています…"));
    const JetReadResult read = readJetTables(path, names, progress);
    if (read.cancelled) {
        out.cancelled = true;
        return out;
    }
    if (!read.ok) {
        out.reason = read.error;
        return out;
    }
    int rows = 0;
    for (int i = 0; i < shapes.size(); ++i) {
        if (auto why = checkTables(read.tables[i], shapes[i])) {
            out.foreign = true;
            out.reason = *why;
            return out;
        }
        if (auto why = checkRows(read.tables[i], shapes[i])) {
            out.reason = *why;
            return out;
        }
        rows += int(read.tables[i].rows.size());
    }
    const QString building = buildingPath(path);
    QFile::remove(building);
    try {
        createLedger(building);
        Database db(building);
        {
            if (progress)
                progress->setStage(QStringLiteral("新しい台帳に書き込んでいます…"), rows);
            int done = 0;
            Transaction t(db);
            BulkWrite bulk(db);
            for (int i = 0; i < shapes.size(); ++i)
                copyRows(db, read.tables[i], shapes[i], progress, done);
            bulk.finish();
            t.commit();
        }
        if (fingerprint(db) != expectedFingerprint(read.tables))
            throw LedgerError(LedgerError::TypeConversion,
                              QStringLiteral("写したデータが元と一致しません。"));
    } catch (const LedgerError& e) {
        QFile::remove(building);
        out.notWritten = true;
        out.reason = japaneseDescription(e);
        return out;
    } catch (const ProgressCancelled&) {
        QFile::remove(building);
        out.cancelled = true;
        return out;
    }
    out.originalNow = freeName(path + QStringLiteral(".jet"));
    if (!keepOriginal(path, out.originalNow)) {
        QFile::remove(building);
        out.notWritten = true;
        out.reason = QStringLiteral("元のファイルを残せません。");
        return out;
    }
    // From here on there is always a ledger under its own name: the Jet file, then ours.
    if (!moveOver(building, path)) {
        QFile::remove(out.originalNow);
        QFile::remove(building);
        out.notWritten = true;
        out.reason = QStringLiteral("新しい台帳を置けません。");
        return out;
    }
    out.ok = true;
    return out;
}

void recoverInterruptedTakeOver(const QString& path) {
    const QString building = buildingPath(path);
    const QString buildingTemp = building + QStringLiteral(".new");
    if (!QFileInfo::exists(building) && !QFileInfo::exists(buildingTemp))
        return;
    if (!QFileInfo::exists(path)) {
        // An earlier version moved the original aside before the new ledger was in place.
        const QStringList kept = keptNames(path);
        if (kept.isEmpty() || !isJetFile(kept.last()) || !moveOver(kept.last(), path))
            return;
    }
    // Only a take-over still to be done is undone; a ledger of ours is left alone.
    if (!isJetFile(path))
        return;
    for (const QString& name : keptNames(path))
        if (sameFile(name, path, Links::AsThemselves))
            QFile::remove(name);
    QFile::remove(building);
    QFile::remove(buildingTemp);
}

} // namespace kotsu

namespace kotsu {

namespace {

// The older version's data file, which only the import reads.
bool isOldVersionFile(const QString& path) {
    const JetReadResult read =
        readJetTables(path, {QStringLiteral("項目"), QStringLiteral("明細")});
    return read.ok && read.tables.value(0).found && read.tables.value(1).found;
}

QString foreignFileText(const QString& path, const QString& reason) {
    const QString where = QDir::toNativeSeparators(path);
    if (isOldVersionFile(path))
        return QStringLiteral(
                   "このファイルは以前の版（Ver2."
                   "0）のデータファイルで、台帳としては使えません！！\n"
                   "%1\n"
                   "ファイルはそのままです。別の場所へ移してから起動し（新しい台帳で始まります）、"
                   "「ﾌｧｲﾙ(&F)」メニューの「Ver2.0の明細データの取込み(&I)」で取り込んでください。")
            .arg(where);
    return QStringLiteral("このファイルはコツコツ帳。の台帳ではありません！！\n%1\n（%2）\n"
                          "ファイルはそのままです。別の場所へ移すか、別の台帳ファイルを指定して"
                          "起動してください（kotsu ファイル名）。")
        .arg(where, reason);
}

} // namespace

TakeOver takeOverJetLedger(const QString& path) {
    recoverInterruptedTakeOver(path);
    if (!isJetFile(path))
        return TakeOver::NotJet;
    LedgerConversion c;
    {
        Progress progress(nullptr, QStringLiteral("データの引き継ぎ"));
        c = convertJetLedger(path, &progress);
    }
    if (c.cancelled) {
        MessageBox::show(nullptr,
                         QStringLiteral("データの引き継ぎを取り消しました。\n"
                                        "元のファイルはそのままです。"),
                         QStringLiteral("データの引き継ぎ"));
        return TakeOver::Refused;
    }
    if (!c.ok) {
        const QString where = QDir::toNativeSeparators(path) + QLatin1Char('\n');
        const QString text = c.foreign ? foreignFileText(path, c.reason)
                             : c.notWritten
                                 ? QStringLiteral("新しい台帳を書き込めません！！\n") + where +
                                       c.reason + QStringLiteral("\n元のファイルはそのままです。")
                                 : QStringLiteral("台帳ファイルを読み込めません！！\n") + where +
                                       c.reason + QStringLiteral("\nファイルはそのままです。");
        MessageBox::error(nullptr, text, QStringLiteral("ファイルエラー"));
        return TakeOver::Refused;
    }
    MessageBox::show(
        nullptr,
        QStringLiteral(
            "以前のコツコツ帳。のデータを引き継ぎました。\n元のファイルは次の場所にあります：\n") +
            QDir::toNativeSeparators(c.originalNow),
        QStringLiteral("データの引き継ぎ"));
    return TakeOver::Converted;
}

} // namespace kotsu
