// SPDX-License-Identifier: GPL-3.0-or-later
// Times the real windows on a large generated ledger and sets each figure beside the
// least work SQLite itself needs for the same result.
#include "app/FlexGrid.h"
#include "app/Form1.h"
#include "common/values.h"
#include "dialogs/Form3.h"
#include "dialogs/Form4.h"
#include "dialogs/Form7.h"
#include "dialogs/Form9.h"
#include "exchange/Import.h"
#include "exchange/JetReader.h"
#include "graph/Form5.h"
#include "ledger/Backup.h"
#include "ledger/Database.h"
#include "ledger/FixedEntries.h"
#include "ledger/Schema.h"
#include "ledger/Statement.h"
#include "support/JetWriter.h"
#include "ui/Clock.h"
#include "ui/FileDialog.h"
#include "ui/Fonts.h"
#include "ui/MessageBox.h"
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QInputMethodEvent>
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
constexpr int FixedCount = 100;
constexpr int Runs = 7;
// The day the timed windows take for today.
const QDate Today(2025, 6, 15);

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
    Statement st(db, "INSERT INTO 明細テーブル(日付,科目ID,金額,コメント) VALUES (?,?,?,?)");
    const QDate first(2016, 1, 1);
    for (int e = 0; e < Entries; ++e) {
        // Drawn in this order, so the ledger stays the one measured before.
        const QString date = dateText(first.addDays(rng.next() % 3653));
        const QString comment = QStringLiteral("定型文%1").arg(rng.next() % Phrases);
        st.bind(1, date);
        st.bind(2, qint64(1 + rng.next() % Categories));
        st.bind(3, qint64(100 + rng.next() % 50000));
        st.bind(4, comment);
        st.execute();
    }
    // Fixed entries running since the first year, every month until today booked or
    // skipped: what a start-up finds on a ledger kept for years.
    for (int i = 0; i < FixedCount; ++i) {
        FixedEntry f;
        f.categoryId = 1 + i % Categories;
        f.amount = 1000 + 100 * i;
        f.comment = QStringLiteral("定型文%1").arg(i % Phrases);
        f.day = i % 4 == 3 ? MonthEnd : 1 + i % 28;
        f.weekend = WeekendRule(i % 3);
        f.start = first;
        addFixedEntry(db, f);
    }
    for (const DueOccurrence& o : dueOccurrences(db, Today))
        skipOccurrence(db, o);
    t.commit();
}

struct Stat {
    double median, low, high;
};

// setup runs before each timed action, untimed.
Stat measure(const std::function<void()>& action, int runs = Runs,
             const std::function<void()>& setup = {}) {
    QList<double> ms;
    for (int i = 0; i < runs; ++i) {
        if (setup)
            setup();
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

Stat rawStat(const QString& path, const QStringList& statements, int runs = Runs) {
    return measure([&] { rawQueries(path, statements); }, runs);
}

QString between(const QString& from, const QString& to) {
    return QStringLiteral("日付 BETWEEN '%1' AND '%2'").arg(from, to);
}

QString listedRows(const QString& range) {
    return QStringLiteral("SELECT m.ID, m.日付, k.科目名前, k.収支, m.金額, m.コメント FROM "
                          "明細テーブル m JOIN 科目テーブル k ON m.科目ID = k.ID WHERE m.") +
           range + QStringLiteral(" ORDER BY m.日付, m.科目ID, m.ID");
}

// A period's view: the first screen of rows, every category's count, sum and extremes
// in the period (the row count, the totals and the column widths), the all-time totals,
// the categories and the phrases.
QStringList periodLimit(const QString& from, const QString& to) {
    const QString range = between(from, to);
    return {listedRows(range) + QStringLiteral(" LIMIT 40"),
            QStringLiteral("SELECT * FROM 科目テーブル ORDER BY ID"),
            QStringLiteral("SELECT 科目ID, count(*), sum(金額), min(金額), max(金額) FROM "
                           "明細テーブル WHERE ") +
                range + QStringLiteral(" GROUP BY 科目ID"),
            QStringLiteral("SELECT k.収支, sum(t.合計金額) FROM 科目テーブル k JOIN "
                           "科目集計テーブル t ON t.科目ID = k.ID GROUP BY k.収支"),
            QStringLiteral("SELECT * FROM コメントテーブル ORDER BY ID")};
}

// The goal for 100,000 entries and for a million; larger ledgers are held to the second.
struct Goal {
    double small, large;
    double operator()() const { return Entries > 100000 ? large : small; }
};

// A limit of 0 means the operation asks SQLite for nothing comparable; a target of 0
// that the goal sets none.
void row(const char* name, const Stat& s, double limit, double target) {
    const QString sqlite = limit > 0 ? QString::number(limit, 'f', 1) : QStringLiteral("–");
    const QString ratio = limit > 0
                              ? QString::number(s.median / limit, 'f', 1) + QStringLiteral("×")
                              : QStringLiteral("–");
    const QString goal = target > 0 ? QString::number(target, 'f', 0) : QStringLiteral("–");
    const char* verdict = target <= 0 ? "" : s.median <= target ? "ok" : "OVER";
    std::printf("| %-34s | %9.1f | %13s | %9s | %5s | %6s | %-4s |\n", name, s.median,
                qPrintable(QStringLiteral("%1–%2").arg(s.low, 0, 'f', 1).arg(s.high, 0, 'f', 1)),
                qPrintable(sqlite), qPrintable(ratio), qPrintable(goal), verdict);
}

long peakRssKb() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_maxrss;
}

// What one run shares: the ledger, the main window, the references of the two views.
struct Run {
    QTemporaryDir& dir;
    QString path;
    std::unique_ptr<Form1> main;
    Stat month{}, year{};
};

// The window as the user sees it: everything the operation changed painted.
void shown() {
    QCoreApplication::processEvents();
}

const Goal viewGoal{16, 25};
const Goal editGoal{20, 40};
const Goal yearGoal{16, 100};
const Goal chartGoal{30, 150};
const Goal exportGoal{50, 400};
const Goal importGoal{1500, 3000};
const Goal rssGoal{60, 80};
const Goal searchGoal{50, 400};
const Goal fixedGoal{2, 2};
const Goal quickFillGoal{30, 30};
const Goal bulkUndoGoal{500, 500};

void search(Form1& m, const QString& tag) {
    m.Tag = tag;
    m.Lbl明細日付->setText(tag.mid(1));
    m.Command2_Click();
}

void benchStartUp(Run& r) {
    // The window of the run before is closed untimed.
    const Stat s = measure(
        [&] {
            r.main = std::make_unique<Form1>(r.path);
            r.main->show();
            shown();
        },
        Runs, [&] { r.main.reset(); });
    row("start-up (month view)", s, r.month.median, viewGoal());
}

// What the start-up reads before it can tell whether to propose anything.
void benchFixedEntries(Run& r) {
    qsizetype due = -1;
    const Stat s = measure([&] {
        Database db(r.path);
        due = dueOccurrences(db, Today).size();
    });
    Database db(r.path);
    std::printf("(%d fixed entries, %d due)\n", int(fixedEntries(db).size()), int(due));
    row("fixed entries due at start-up", s, 0, fixedGoal());
}

void benchMonthReload(Run& r) {
    Form1& m = *r.main;
    const Stat s = measure([&] {
        m.reloadAll();
        shown();
    });
    row("month reload", s, r.month.median, viewGoal());
}

void benchYearView(Run& r) {
    Form1& m = *r.main;
    const Stat s = measure([&] {
        search(m, QStringLiteral("y2025/06/15"));
        shown();
    });
    std::printf("(year view lists %d rows)\n", m.Flx明細->rows() - 1);
    row("search to a year view", s, r.year.median, yearGoal());
}

void benchBackToMonth(Run& r) {
    Form1& m = *r.main;
    const Stat s = measure([&] {
        search(m, QStringLiteral("m2025/06/15"));
        shown();
    });
    row("search back to a month", s, r.month.median, viewGoal());
}

void benchRegistration(Run& r) {
    Form1& m = *r.main;
    const Stat s = measure([&] {
        m.Cmb登録科目->setCurrentIndex(1);
        m.Txt登録金額->setText(QStringLiteral("1,234"));
        m.Cmb登録コメント->setEditText(QStringLiteral("定型文1"));
        m.Cmb登録_Click();
        shown();
    });
    row("registration (insert + reload)", s, r.month.median, editGoal());
}

void benchEntryEdit(Run& r) {
    Form1& m = *r.main;
    const Stat s = measure([&] {
        Form3& f = *m.form3();
        m.Flx明細->setRow(1);
        f.Tag = QString::number(m.entryId(1));
        f.Lbl登録日付->setText(QStringLiteral("2025/06/02"));
        f.Txt登録金額->setText(QStringLiteral("999"));
        f.Cmb登録_Click();
        m.reloadAll();
        shown();
    });
    row("entry edit (Form3 OK + reload)", s, r.month.median, editGoal());
}

void benchCategoryEdit(Run& r) {
    Form1& m = *r.main;
    const Stat s = measure([&] {
        Form4 f(m);
        f.Lblタイトル->setText(QStringLiteral("修　正"));
        f.Tag = QStringLiteral("2");
        f.Txt科目名->setText(QStringLiteral("科目1"));
        f.Opt収支[1]->setChecked(true);
        f.Txt予算->setText(QStringLiteral("20000"));
        f.Cmb登録_Click();
        m.reloadCategories();
        m.reloadEntries();
        shown();
    });
    row("category edit (Form4 OK + reloads)", s, r.month.median, editGoal());
}

void benchCharts(Run& r) {
    Form1& m = *r.main;
    const char* names[] = {"chart 1 ratio", "chart 2 income", "chart 3 expense",
                           "chart 4 year by month", "chart 5 categories by month"};
    const Stat byMonth = rawStat(
        r.path,
        {QStringLiteral("SELECT 科目ID, substr(日付,6,2), sum(金額) FROM 明細テーブル WHERE ") +
             between("2025/01/01", "2025/12/31") + QStringLiteral(" GROUP BY 1, 2"),
         QStringLiteral("SELECT * FROM 科目テーブル")},
        5);
    Form5 g(m);
    for (int kind = 1; kind <= 5; ++kind) {
        const Stat s = measure([&] { g.Subグラフ描画(kind); }, 5);
        row(names[kind - 1], s, kind >= 4 ? byMonth.median : 0, chartGoal());
    }
}

// A character typed into the registration's comment box, until the quick fill's list is
// painted: the first after a reload reads the phrases' order, the next ones only match.
void benchQuickFill(Run& r) {
    Form1& m = *r.main;
    QComboBox* box = m.Cmb登録コメント;
    box->setFocus();
    const auto typeIn = [box](const QString& text) {
        QInputMethodEvent e;
        e.setCommitString(text);
        QApplication::sendEvent(box, &e);
        shown();
    };
    const Stat first =
        measure([&] { typeIn(QStringLiteral("定")); }, Runs, [&] { m.reloadComments(); });
    row("quick fill, first character", first, 0, quickFillGoal());
    const Stat next = measure([&] { typeIn(QStringLiteral("1")); }, Runs,
                              [&] { box->setEditText(QStringLiteral("定型文")); });
    row("quick fill, next character", next, 0, quickFillGoal());
    box->setEditText(QString());
}

// The comment search over every entry, through its dialog: a few phrases, then a word that
// every comment holds, so the list is full.
void benchSearch(Run& r) {
    const Stat limit = rawStat(
        r.path, {QStringLiteral("SELECT ID, 日付, 科目ID, 金額, コメント FROM 明細テーブル")});
    Form9 f(*r.main);
    const auto search = [&f](const QString& words) {
        f.Txtコメント->setText(words);
        f.Command1_Click();
    };
    const Stat few = measure([&] { search(QStringLiteral("定型文12")); });
    std::printf("(%s)\n", qPrintable(f.Lbl件数->text()));
    row("comment search, some match", few, limit.median, searchGoal());
    const Stat all = measure([&] { search(QStringLiteral("定型")); });
    std::printf("(%s)\n", qPrintable(f.Lbl件数->text()));
    row("comment search, all match", all, limit.median, searchGoal());
}

void benchExport(Run& r) {
    Form1& m = *r.main;
    search(m, QStringLiteral("y2025/06/15"));
    const QString out = r.dir.filePath(QStringLiteral("export.csv"));
    const Stat limit = rawStat(r.path, {listedRows(between("2025/01/01", "2025/12/31"))});
    const Stat s = measure([&] {
        QFile::remove(out); // else each run after the first stops at the question to replace it
        MessageBox::pushAnswer(MessageBox::Answer::Yes);
        FileDialog::pushFileName(out);
        m.MnuExp->trigger();
    });
    row("export of a year view", s, limit.median, exportGoal());
}

// Undo and redo of a registration the untimed setup makes; then the undo of a bulk change
// that moved 10,000 entries, spread over every year.
void benchUndo(Run& r) {
    Form1& m = *r.main;
    const auto registerOne = [&m] {
        m.Cmb登録科目->setCurrentIndex(1);
        m.Txt登録金額->setText(QStringLiteral("1,234"));
        m.Cmb登録コメント->setEditText(QStringLiteral("定型文1"));
        m.Cmb登録_Click();
        shown();
    };
    const Stat undo = measure(
        [&] {
            m.MnuUndo_Click();
            shown();
        },
        Runs, registerOne);
    row("undo of a registration (+ reload)", undo, r.month.median, editGoal());
    const Stat redo = measure(
        [&] {
            m.MnuRedo_Click();
            shown();
        },
        Runs,
        [&] {
            registerOne();
            m.MnuUndo_Click();
            shown();
        });
    row("redo of a registration (+ reload)", redo, r.month.median, editGoal());

    qint64 source = 0;
    {
        Database db(r.path);
        db.exec(
            QStringLiteral("INSERT INTO 科目テーブル(科目名前,収支,予算) VALUES ('移動元','-',0)"));
        source = db.lastInsertId();
        db.exec(QStringLiteral("UPDATE 明細テーブル SET 科目ID = %1 WHERE ID % %2 = 0")
                    .arg(source)
                    .arg(qMax(1, Entries / 10000)));
    }
    m.reloadAll();
    Form7& f = *m.form7();
    const auto bulkChange = [&] {
        f.sourceId = source;
        f.Cmb修正後->setCurrentIndex(f.Cmb修正後->findData(2));
        f.Cmb登録_Click();
        m.reloadAll();
        shown();
    };
    const auto undoIt = [&] {
        m.MnuUndo_Click();
        shown();
    };
    row("bulk change of 10,000 (+ reload)", measure(bulkChange, 5, undoIt), 0, 0);
    row("undo of a bulk change of 10,000", measure(undoIt, 5, bulkChange), 0, bulkUndoGoal());
}

void benchBackup(Run& r) {
    const Stat s = measure([&] { backupLedger(r.path); }, 3);
    row("backup before a wipe", s, 0, 0);
}

// The older version's file with 100,000 entries, imported into a copy of the ledger.
void benchImport(Run& r) {
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
        entries.rows << QList<QVariant>{
            QDate(2016, 1, 1).addDays(rng.next() % 3653), int(rng.next() % Categories), 0,
            int(100 + rng.next() % 50000), QStringLiteral("定型文%1").arg(rng.next() % Phrases)};
    const QString old = r.dir.filePath(QStringLiteral("old.mdb"));
    test::writeJet4(old, {cats, entries});
    const QString target = r.dir.filePath(QStringLiteral("import.mdb"));
    // Each run wipes a ledger of the full size.
    const Stat s = measure([&] { importOldLedger(old, target); }, 3,
                           [&] {
                               QFile::remove(target);
                               QFile::copy(r.path, target);
                           });
    row("import of 100,000 old entries", s, 0, importGoal());
}

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    setJetReaderProgram(QStringLiteral(BENCH_JET_READER));
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
    Clock::setToday(Today);

    QTemporaryDir dir;
    Run r{dir, dir.filePath(QStringLiteral("kotsu.mdb")), nullptr};
    // --ledger PATH works on a copy of a ledger --write made earlier, of --entries entries.
    const int ledgerAt = int(args.indexOf(QStringLiteral("--ledger")));
    if (ledgerAt > 0 && ledgerAt + 1 < args.size()) {
        QFile::copy(args[ledgerAt + 1], r.path);
        ensureLedger(r.path); // a ledger of an earlier version is brought up to date first
        std::printf("Copied a ledger of %d entries\n\n", Entries);
    } else {
        QElapsedTimer gen;
        gen.start();
        generate(r.path);
        std::printf("Generated %d categories, %d entries, %d phrases in %.0f ms\n\n", Categories,
                    Entries, Phrases, gen.nsecsElapsed() / 1e6);
    }

    std::printf("| operation                          | median ms |   spread ms   | SQLite ms | "
                "ratio | target |      |\n");
    std::printf("|------------------------------------|----------:|---------------|----------:|----"
                "--:|-------:|------|\n");

    r.month = rawStat(r.path, periodLimit("2025/06/01", "2025/06/30"));
    r.year = rawStat(r.path, periodLimit("2025/01/01", "2025/12/31"));
    // --only NAME runs the start-up and that operation alone, for a profiler.
    const int onlyAt = int(args.indexOf(QStringLiteral("--only")));
    const QString only = onlyAt > 0 && onlyAt + 1 < args.size() ? args[onlyAt + 1] : QString();
    const QList<std::pair<QString, void (*)(Run&)>> operations = {
        {QStringLiteral("startup"), benchStartUp},
        {QStringLiteral("fixed"), benchFixedEntries},
        {QStringLiteral("month"), benchMonthReload},
        {QStringLiteral("year"), benchYearView},
        {QStringLiteral("back"), benchBackToMonth},
        {QStringLiteral("register"), benchRegistration},
        {QStringLiteral("edit"), benchEntryEdit},
        {QStringLiteral("category"), benchCategoryEdit},
        {QStringLiteral("charts"), benchCharts},
        {QStringLiteral("search"), benchSearch},
        {QStringLiteral("quickfill"), benchQuickFill},
        {QStringLiteral("export"), benchExport},
        {QStringLiteral("undo"), benchUndo}};
    for (const auto& [name, run] : operations)
        if (only.isEmpty() || name == only || name == QLatin1String("startup"))
            run(r);
    const long yearViewRssKb = peakRssKb();
    if (only.isEmpty() || only == QLatin1String("backup"))
        benchBackup(r);
    if (only.isEmpty() || only == QLatin1String("import"))
        benchImport(r);

    std::printf(
        "\nPeak memory (RSS) with the ledger open in a year view: %.1f MB (target %.0f MB)\n",
        yearViewRssKb / 1024.0, rssGoal());
    return 0;
}
