// kotsu-jet-reader FILE TABLE...
// Reads whole tables of a Jet (Access) database and writes them to standard output for
// the program, which runs this in a child process so that a damaged file can crash or
// hang only the child. Exit status 2: not a Jet database.
#include "exchange/JetProtocol.h"
#include <QCoreApplication>
#include <QDataStream>
#include <QDate>
#include <QFile>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <glib.h>
#include <mdbtools.h>
#include <vector>

using kotsu::JetProtocolMagic;
using kotsu::JetValue;

namespace {

bool hasJetSignature(const char* path) {
    QFile f(QString::fromLocal8Bit(path));
    if (!f.open(QIODevice::ReadOnly))
        return false;
    const QByteArray head = f.read(20);
    return head.size() == 20 && head.mid(4, 16) == QByteArray("Standard Jet DB\0", 16);
}

// Dates are read from the stored value (days since 1899-12-30), exact for every year.
QString dateOf(const void* raw) {
    double days = 0;
    std::memcpy(&days, raw, 8);
    if (!std::isfinite(days) || std::fabs(days) > 3.0e6)
        return QString();
    return QDate(1899, 12, 30)
        .addDays(qint64(std::trunc(days)))
        .toString(QStringLiteral("yyyy/MM/dd"));
}

void writeTable(QDataStream& out, MdbHandle* mdb, const char* name) {
    MdbTableDef* table = mdb_read_table_by_name(mdb, const_cast<gchar*>(name), MDB_TABLE);
    if (!table) {
        out << false;
        return;
    }
    mdb_read_columns(table);
    mdb_rewind_table(table);
    const unsigned cols = table->num_cols;
    QStringList names;
    std::vector<std::vector<char>> bound(cols, std::vector<char>(MDB_BIND_SIZE));
    std::vector<int> lengths(cols);
    for (unsigned c = 0; c < cols; ++c) {
        auto* col = static_cast<MdbColumn*>(g_ptr_array_index(table->columns, c));
        names << QString::fromUtf8(col->name);
        mdb_bind_column(table, int(c + 1), bound[c].data(), &lengths[c]);
    }
    out << true << qint64(table->num_rows) << names;
    std::vector<MdbField> fields(cols + 1);
    QList<QList<JetValue>> rows;
    while (mdb_fetch_row(table)) {
        // The bound texts cannot tell NULL from the empty text; the row's null mask can.
        int start = 0;
        size_t length = 0;
        if (mdb_find_row(mdb, int(table->cur_row) - 1, &start, &length) != 0 ||
            mdb_crack_row(table, start, length, fields.data()) < 0)
            break;
        QList<JetValue> row;
        for (unsigned c = 0; c < cols; ++c) {
            auto* col = static_cast<MdbColumn*>(g_ptr_array_index(table->columns, c));
            JetValue v;
            v.isNull = fields[c].is_null;
            if (!v.isNull)
                v.text = col->col_type == MDB_DATETIME && fields[c].siz == 8
                             ? dateOf(fields[c].value)
                             : QString::fromUtf8(bound[c].data());
            row << v;
        }
        rows << row;
    }
    out << rows;
    mdb_free_tabledef(table);
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (argc < 2)
        return 64;
    if (!hasJetSignature(argv[1]))
        return 2;
    // Old ledgers are written in the Windows Japanese code page.
    setenv("MDB_JET3_CHARSET", "CP932", 1);
    MdbHandle* mdb = mdb_open(argv[1], MDB_NOFLAGS);
    if (!mdb)
        return 2;
    if (!mdb_read_catalog(mdb, MDB_TABLE)) {
        mdb_close(mdb);
        return 2;
    }
    QFile stdoutFile;
    stdoutFile.open(stdout, QIODevice::WriteOnly);
    QDataStream out(&stdoutFile);
    out << JetProtocolMagic;
    for (int i = 2; i < argc; ++i)
        writeTable(out, mdb, argv[i]);
    stdoutFile.flush();
    mdb_close(mdb);
    return 0;
}
