// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A ledger in a temporary folder, with quick ways to fill and inspect it.
#include "common/values.h"
#include "ledger/Database.h"
#include "ledger/Operations.h"
#include "ledger/Queries.h"
#include "ledger/Quote.h"
#include "ledger/Schema.h"
#include <QApplication>
#include <QCryptographicHash>
#include <QDialog>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace kotsu::test {

class TestLedger {
public:
    TestLedger() : path(dir.filePath(QStringLiteral("kotsu.mdb"))) { ensureLedger(path); }

    qint64 addCategory(const QString& name, const QString& sign, qint64 budget = 0) {
        Database db(path);
        Recordset rs = db.openTable(QStringLiteral("科目テーブル"));
        rs.addNew();
        rs.setValue(QStringLiteral("科目名前"), name);
        rs.setValue(QStringLiteral("予算"), budget);
        rs.setValue(QStringLiteral("収支"), sign);
        rs.update();
        return db.lastInsertId();
    }

    qint64 addEntry(const QString& date, qint64 categoryId, qint64 amount,
                    const QString& comment = {}) {
        Database db(path);
        Recordset rs = db.openTable(QStringLiteral("明細テーブル"));
        rs.addNew();
        rs.setValue(QStringLiteral("日付"), date);
        rs.setValue(QStringLiteral("科目ID"), categoryId);
        rs.setValue(QStringLiteral("金額"), amount);
        rs.setValue(QStringLiteral("コメント"), comment);
        rs.update();
        return db.lastInsertId();
    }

    void addPhrase(const QString& text) {
        Database db(path);
        Recordset rs = db.openTable(QStringLiteral("コメントテーブル"));
        rs.addNew();
        rs.setValue(QStringLiteral("コメント名前"), text);
        rs.update();
    }

    qint64 scalar(const QString& jetSql, const QString& field = QStringLiteral("reccnt")) {
        Database db(path);
        Recordset rs = db.openRecordset(jetSql);
        return rs.number(field);
    }

    qint64 count(const QString& table) {
        return scalar(QStringLiteral("Select count(ID) as RecCnt From ") + table);
    }

    // Rows in which the running totals and a count of the entries differ: 0 when exact.
    qint64 totalsDrift() {
        const QString recount =
            QStringLiteral("Select 科目ID, count(ID), sum(金額) From 明細テーブル Group by 科目ID");
        const QString kept = QStringLiteral("Select 科目ID, 件数, 合計金額 From 科目集計テーブル");
        return scalar(QStringLiteral("Select count(*) as RecCnt From (") + recount +
                      QStringLiteral(" Except ") + kept + QStringLiteral(")")) +
               scalar(QStringLiteral("Select count(*) as RecCnt From (") + kept +
                      QStringLiteral(" Except ") + recount + QStringLiteral(")"));
    }

    // The texts of every row an entry list of this condition shows, read the long way
    // through the entry view (the two IDs last), as the grid once filled them all at once.
    QList<QStringList> listRows(const QString& where) {
        Database db(path);
        Recordset rs = db.openRecordset(QStringLiteral("Select * From 明細クエリ Where ") + where +
                                        QStringLiteral(" Order by 日付,科目ID,ID"));
        QList<QStringList> out;
        for (int r = 1; !rs.atEnd(); rs.moveNext(), ++r) {
            const QString amount = formatAmount(rs.number(QStringLiteral("金額")));
            const bool income = rs.text(QStringLiteral("収支")) == QLatin1String("+");
            out << QStringList{QString::number(r),
                               rs.text(QStringLiteral("日付")),
                               rs.text(QStringLiteral("科目名前")),
                               income ? amount : QStringLiteral("0"),
                               income ? QStringLiteral("0") : amount,
                               rs.text(QStringLiteral("コメント")),
                               rs.text(QStringLiteral("ID")),
                               rs.text(QStringLiteral("科目ID"))};
        }
        return out;
    }

    QStringList column(const QString& jetSql, const QString& field) {
        Database db(path);
        Recordset rs = db.openRecordset(jetSql);
        QStringList out;
        for (; !rs.atEnd(); rs.moveNext())
            out << rs.text(field);
        return out;
    }

    QTemporaryDir dir;
    QString path;
};

// The file's contents as one hash, to see that nothing at all was written to it.
inline QByteArray digest(const QString& path) {
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

// Runs action on the modal dialog of type D once it is open (QDialog::exec blocks). A
// dialog that never opens, or that the action leaves open, fails the test instead of
// hanging it.
template <typename D> void whenModal(std::function<void(D*)> action) {
    QTimer::singleShot(0, [action] {
        auto* d = qobject_cast<D*>(QApplication::activeModalWidget());
        if (!d) {
            if (auto* w = QApplication::activeModalWidget())
                w->close();
            QTest::qFail("the expected modal dialog did not open", __FILE__, __LINE__);
            return;
        }
        // Keys go to the focus, which the dialog holds only once it is active.
        QApplication::setActiveWindow(d);
        if (!QTest::qWaitForWindowActive(d))
            QTest::qFail("the dialog never became active", __FILE__, __LINE__);
        action(d);
        if (d->isVisible()) {
            d->reject();
            if (!QTest::currentTestFailed())
                QTest::qFail("the dialog was left open", __FILE__, __LINE__);
        }
    });
}

} // namespace kotsu::test
