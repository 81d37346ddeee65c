// Times the real windows on a large generated ledger and sets each figure beside the
// least work SQLite itself needs for the same result.
#include "app/FlexGrid.h"
#include "app/Form1.h"
#include "common/values.h"
#include "dialogs/Form3.h"
#include "dialogs/Form4.h"
#include "exchange/Import.h"
#include "graph/Form5.h"
#include "ledger/Database.h"
#include "ledger/Schema.h"
#include "support/JetWriter.h"
#include "ui/Clock.h"
#include "ui/FileDialog.h"
#include "ui/Fonts.h"
#include "ui/MessageBox.h"
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <sqlite3.h>
#include <sys/resource.h>

using namespace kotsu;

namespace {

constexpr int Categories = 200;
int Entries = 100000;
// The older version held at most this many entries.
constexpr int OldEntries = 100000;
constexpr int Phrases = 500;
constexpr int Runs = 7;

struct Lcg {
    quint64 state = 20261208;
    quint32 next() {
        state = state * 6364136223846793005ULL + 1442695040888963407ULL;
        return quint32(state >> 33);
    }
};

void generate(const QString& path) {
    ensureLedger(path);
    Database db(path);
    Transaction t(db);
    Lcg rng;
    for (int c = 0; c < Categories; ++c) {
        const bool expense = c % 2 == 1;
        db.exec(
            QStringLiteral("INSERT INTO 科目テーブル(科目名前,収支,予算) VALUES ('科目%1','%2',%3)")
                .arg(c)
                .arg(expense ? "-" : "+")
                .arg(expense ? 10000 + 100 * c : 0));
    }
    for (int p = 0; p < Phrases; ++p)
        db.exec(QStringLiteral("INSERT INTO コメントテーブル(コメント名前) VALUES ('定型文%1')")
                    .arg(p));
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(db.handle(),
                       "INSERT INTO 明細テーブル(日付,科目ID,金額,コメント) VALUES (?,?,?,?)", -1,
                       &st, nullptr);
    const QDate first(2016, 1, 1);
    for (int e = 0; e < Entries; ++e) {
        const QByteArray date = dateText(first.addDays(rng.next() % 3653)).toUtf8();
        const QByteArray comment = QStringLiteral("定型文%1").arg(rng.next() % Phrases).toUtf8();
        sqlite3_bind_text(st, 1, date.constData(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_int(st, 2, 1 + int(rng.next() % Categories));
        sqlite3_bind_int(st, 3, 100 + int(rng.next() % 50000));
        sqlite3_bind_text(st, 4, comment.constData(), -1, SQLITE_TRANSIENT);
        sqlite3_step(st);
        sqlite3_reset(st);
    }
    sqlite3_finalize(st);
    t.commit();
}

struct Stat {
    double median, low, high;
};

Stat measure(const std::function<void()>& action, int runs = Runs) {
    QList<double> ms;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        t.start();
        action();
        ms << t.nsecsElapsed() / 1e6;
    }
    std::sort(ms.begin(), ms.end());
    return {ms[ms.size() / 2], ms.first(), ms.last()};
}

// The least SQLite work for a result: the statements run and every row stepped.
void rawQueries(const QString& path, const QStringList& statements) {
    sqlite3* db = nullptr;
    sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    for (const QString& s : statements) {
        sqlite3_stmt* st = nullptr;
        sqlite3_prepare_v2(db, s.toUtf8().constData(), -1, &st, nullptr);
        while (sqlite3_step(st) == SQLITE_ROW) {
            for (int c = 0; c < sqlite3_column_count(st); ++c)
                sqlite3_column_text(st, c);
        }
        sqlite3_finalize(st);
    }
    sqlite3_close(db);
}

QStringList periodLimit(const QString& from, const QString& to) {
    const QString range = QStringLiteral("日付 BETWEEN '%1' AND '%2'").arg(from, to);
    return {QStringLiteral("SELECT m.日付, k.科目名前, k.収支, m.金額, m.コメント FROM "
                           "明細テーブル m JOIN 科目テーブル k "
                           "ON m.科目ID = k.ID WHERE ") +
                range + QStringLiteral(" ORDER BY 日付, 科目ID, m.ID"),
            QStringLiteral("SELECT * FROM 科目テーブル ORDER BY ID"),
            QStringLiteral("SELECT 科目ID, sum(金額) FROM 明細テーブル WHERE ") + range +
                QStringLiteral(" GROUP BY 科目ID"),
            QStringLiteral("SELECT 科目ID, sum(金額) FROM 明細テーブル GROUP BY 科目ID"),
            QStringLiteral("SELECT * FROM コメントテーブル ORDER BY ID")};
}

// A limit of 0 means the operation asks SQLite for nothing (it draws or writes what is shown).
void row(const char* name, const Stat& s, double limit, double target) {
    const QString sqlite = limit > 0 ? QString::number(limit, 'f', 1) : QStringLiteral("–");
    const QString ratio = limit > 0
                              ? QString::number(s.median / limit, 'f', 1) + QStringLiteral("×")
                              : QStringLiteral("–");
    std::printf("| %-34s | %9.1f | %5.1f–%-5.1f | %9s | %5s | %6.0f | %-4s |\n", name, s.median,
                s.low, s.high, qPrintable(sqlite), qPrintable(ratio), target,
                s.median <= target ? "ok" : "OVER");
}

long peakRssKb() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_maxrss;
}

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int at = int(args.indexOf(QStringLiteral("--entries")));
    if (at > 0 && at + 1 < args.size())
        Entries = args[at + 1].toInt();
    // Only the generated ledger, for trying the program by hand.
    const int write = int(args.indexOf(QStringLiteral("--write")));
    if (write > 0 && write + 1 < args.size()) {
        generate(args[write + 1]);
        return 0;
    }
    installFontSubstitutes();
    MessageBox::setScripted(true);
    FileDialog::setScripted(true);
    Clock::setToday(QDate(2025, 6, 15));

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("kotsu.mdb"));
    QElapsedTimer gen;
    gen.start();
    generate(path);
    std::printf("Generated %d categories, %d entries, %d phrases in %.0f ms\n\n", Categories,
                Entries, Phrases, gen.nsecsElapsed() / 1e6);

    std::printf("| operation                          | median ms | spread ms   | SQLite ms | "
                "ratio | target |      |\n");
    std::printf("|------------------------------------|----------:|-------------|----------:|------"
                ":|-------:|------|\n");

    const QStringList month = periodLimit("2025/06/01", "2025/06/30");
    const QStringList year = periodLimit("2025/01/01", "2025/12/31");
    const Stat monthLimit = measure([&] { rawQueries(path, month); });
    const Stat yearLimit = measure([&] { rawQueries(path, year); });

    std::unique_ptr<Form1> main;
    const Stat startUp = measure([&] {
        main.reset();
        main = std::make_unique<Form1>(path);
    });
    row("start-up (month view)", startUp, monthLimit.median, 300);
    Form1& m = *main;

    const Stat monthReload = measure([&] { m.reloadAll(); });
    row("month reload", monthReload, monthLimit.median, 25);

    auto search = [&](const QString& tag) {
        m.Tag = tag;
        m.Lbl明細日付->setText(tag.mid(1));
        m.Command2_Click();
    };
    const Stat yearView = measure([&] { search(QStringLiteral("y2025/06/15")); });
    std::printf("(year view lists %d rows)\n", m.Flx明細->rows() - 1);
    row("search to a year view", yearView, yearLimit.median, 80);
    const Stat backToMonth = measure([&] { search(QStringLiteral("m2025/06/15")); });
    row("search back to a month", backToMonth, monthLimit.median, 25);

    const Stat registration = measure([&] {
        m.Cmb登録科目->setCurrentIndex(1);
        m.Txt登録金額->setText(QStringLiteral("1,234"));
        m.Cmb登録コメント->setEditText(QStringLiteral("定型文1"));
        m.Cmb登録_Click();
    });
    row("registration (insert + reload)", registration, monthLimit.median, 40);

    const Stat entryEdit = measure([&] {
        Form3& f = *m.form3();
        m.Flx明細->setRow(1);
        Database db(path);
        Recordset rs =
            db.openRecordset(QStringLiteral("Select * From 明細クエリ Where 日付 = #2025/06/01#"));
        f.Tag = QString::number(rs.number(QStringLiteral("id")));
        db.close();
        f.Lbl登録日付->setText(QStringLiteral("2025/06/02"));
        f.Txt登録金額->setText(QStringLiteral("999"));
        f.Cmb登録_Click();
        m.reloadAll();
    });
    row("entry edit (Form3 OK + reload)", entryEdit, monthLimit.median, 40);

    const Stat categoryEdit = measure([&] {
        Form4 f(m);
        f.Lblタイトル->setText(QStringLiteral("修　正"));
        f.Tag = QStringLiteral("2");
        f.Txt科目名->setText(QStringLiteral("科目1"));
        f.Opt収支[1]->setChecked(true);
        f.Txt予算->setText(QStringLiteral("20000"));
        f.Cmb登録_Click();
        m.reloadCategories();
        m.reloadEntries();
    });
    row("category edit (Form4 OK + reloads)", categoryEdit, monthLimit.median, 40);

    const char* chartNames[] = {"chart 1 ratio", "chart 2 income", "chart 3 expense",
                                "chart 4 year by month", "chart 5 categories by month"};
    {
        Form5 g(m);
        for (int kind = 1; kind <= 5; ++kind) {
            const Stat chart = measure([&] { g.Subグラフ描画(kind); }, 5);
            QStringList limit = {QStringLiteral(
                "SELECT 科目ID, substr(日付,6,2), sum(金額) FROM 明細テーブル WHERE 日付 "
                "BETWEEN '2025/01/01' AND '2025/12/31' GROUP BY 1, 2")};
            const Stat l = measure([&] { rawQueries(path, limit); }, 5);
            row(chartNames[kind - 1], chart, kind >= 4 ? l.median : 0, 150);
        }
    }

    search(QStringLiteral("y2025/06/15"));
    const QString out = dir.filePath(QStringLiteral("export.csv"));
    const Stat exportYear = measure([&] {
        MessageBox::pushAnswer(MessageBox::Answer::Yes);
        FileDialog::pushFileName(out);
        m.MnuExp->trigger();
    });
    row("export of a year view", exportYear, 0, 100);

    const long yearViewRssKb = peakRssKb();
    {
        // The older version's file with 100,000 entries, imported into a copy of the ledger.
        test::JetTable cats{QStringLiteral("項目"),
                            {{QStringLiteral("名前"), test::JetColumn::Text},
                             {QStringLiteral("収支出"), test::JetColumn::Text}},
                            {}};
        for (int c = 0; c < Categories; ++c)
            cats.rows << QList<QVariant>{QStringLiteral("科目%1").arg(c),
                                         c % 2 ? QStringLiteral("-") : QStringLiteral("+")};
        test::JetTable entries{QStringLiteral("明細"),
                               {{QStringLiteral("年月日"), test::JetColumn::DateTime},
                                {QStringLiteral("科目"), test::JetColumn::Long},
                                {QStringLiteral("収入"), test::JetColumn::Long},
                                {QStringLiteral("支出"), test::JetColumn::Long},
                                {QStringLiteral("備考"), test::JetColumn::Text}},
                               {}};
        Lcg rng;
        for (int e = 0; e < OldEntries; ++e)
            entries.rows << QList<QVariant>{QDate(2016, 1, 1).addDays(rng.next() % 3653),
                                            int(rng.next() % Categories), 0,
                                            int(100 + rng.next() % 50000),
                                            QStringLiteral("定型文%1").arg(rng.next() % Phrases)};
        const QString old = dir.filePath(QStringLiteral("old.mdb"));
        test::writeJet4(old, {cats, entries});
        const QString target = dir.filePath(QStringLiteral("import.mdb"));
        QFile::copy(path, target);
        const Stat imported = measure([&] { importOldLedger(old, target); }, 3);
        row("import of 100,000 old entries", imported, 0, 3000);
    }

    std::printf(
        "\nPeak memory (RSS) with the ledger open in a year view: %.1f MB (target 150 MB)\n",
        yearViewRssKb / 1024.0);
    return 0;
}
