#include "exchange/JetLedger.h"
#include "exchange/JetReader.h"
#include "ledger/Database.h"
#include "ledger/LedgerError.h"
#include "ledger/Schema.h"
#include "ui/MessageBox.h"
#include <QDir>
#include <QFile>

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

std::optional<QString> checkShape(const JetTableRows& t, const TableShape& shape) {
    if (!t.found)
        return QStringLiteral("テーブル「%1」がありません。").arg(shape.name);
    for (const QString& c : shape.columns)
        if (columnOf(t, c) < 0)
            return QStringLiteral("テーブル「%1」に列「%2」がありません。").arg(shape.name, c);
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

void copyRows(Database& db, const JetTableRows& t, const TableShape& shape) {
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
    }
}

} // namespace

bool isJetFile(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    const QByteArray head = f.read(20);
    return head.size() == 20 && head.mid(4, 16) == QByteArray("Standard Jet DB\0", 16);
}

LedgerConversion convertJetLedger(const QString& path) {
    LedgerConversion out;
    QStringList names;
    for (const auto& s : shapes)
        names << s.name;
    const JetReadResult read = readJetTables(path, names);
    if (!read.ok) {
        out.reason = read.error;
        return out;
    }
    for (int i = 0; i < shapes.size(); ++i) {
        if (auto why = checkShape(read.tables[i], shapes[i])) {
            out.reason = *why;
            return out;
        }
    }
    const QString building = path + QStringLiteral(".converting");
    QFile::remove(building);
    try {
        createLedger(building);
        Database db(building);
        {
            Transaction t(db);
            for (int i = 0; i < shapes.size(); ++i)
                copyRows(db, read.tables[i], shapes[i]);
            t.commit();
        }
        if (fingerprint(db) != expectedFingerprint(read.tables))
            throw LedgerError(LedgerError::TypeConversion,
                              QStringLiteral("写したデータが元と一致しません。"));
    } catch (const LedgerError& e) {
        QFile::remove(building);
        out.reason = e.description();
        return out;
    }
    out.originalNow = freeName(path + QStringLiteral(".jet"));
    if (!QFile::rename(path, out.originalNow)) {
        QFile::remove(building);
        out.reason = QStringLiteral("元のファイルを移動できません。");
        return out;
    }
    if (!QFile::rename(building, path)) {
        QFile::rename(out.originalNow, path);
        QFile::remove(building);
        out.reason = QStringLiteral("新しい台帳を置けません。");
        return out;
    }
    out.ok = true;
    return out;
}

} // namespace kotsu

namespace kotsu {

TakeOver takeOverJetLedger(const QString& path) {
    if (!isJetFile(path))
        return TakeOver::NotJet;
    const LedgerConversion c = convertJetLedger(path);
    if (!c.ok) {
        MessageBox::error(nullptr, QStringLiteral("台帳ファイルを読み込めません！！\n") + c.reason,
                          QStringLiteral("ファイルエラー"));
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
