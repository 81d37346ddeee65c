// SPDX-License-Identifier: GPL-3.0-or-later
// kotsu-jet-reader FILE TABLE...
// Reads whole tables of a Jet (Access) database and writes them to standard output for
// the program, which runs this in a child process so that a damaged file can crash or
// hang only the child. The exit status says why nothing was written (JetProtocol.h).
#include "exchange/JetProtocol.h"
#include <QCoreApplication>
#include <QDataStream>
#include <QDate>
#include <QFile>
#include <QFileInfo>
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

struct CatalogTable {
    QByteArray name;
    unsigned long page = 0;
};

MdbCatalogEntry catalogEntry(MdbHandle* mdb, const char* name, unsigned long page) {
    MdbCatalogEntry entry;
    std::memset(&entry, 0, sizeof entry);
    entry.mdb = mdb;
    entry.object_type = MDB_TABLE;
    entry.table_pg = page;
    std::strncpy(entry.object_name, name, MDB_MAX_OBJ_NAME);
    return entry;
}

// Every page the table claims lies inside the file; a cut file fails here.
bool pagesInFile(MdbHandle* mdb, MdbTableDef* table, qint64 pages) {
    if (!table->usage_map || table->map_sz == 0)
        return false;
    gint32 page = 0;
    while ((page = mdb_map_find_next(mdb, table->usage_map, guint(table->map_sz), guint32(page))) >
           0)
        if (page >= pages)
            return false;
    return page == 0;
}

// The catalogue's tables, read without the objects' property blobs, which are not needed:
// a damaged blob sends libmdb's own catalogue reader into an endless loop.
bool readCatalog(MdbHandle* mdb, qint64 pages, std::vector<CatalogTable>& out) {
    MdbCatalogEntry entry = catalogEntry(mdb, "MSysObjects", 2);
    MdbTableDef* table = mdb_read_table(&entry);
    if (!table)
        return false;
    bool whole = pagesInFile(mdb, table, pages) && mdb_read_columns(table);
    std::vector<char> name(MDB_BIND_SIZE), type(MDB_BIND_SIZE), id(MDB_BIND_SIZE);
    whole = whole &&
            mdb_bind_column_by_name(table, const_cast<gchar*>("Name"), name.data(), nullptr) > 0 &&
            mdb_bind_column_by_name(table, const_cast<gchar*>("Type"), type.data(), nullptr) > 0 &&
            mdb_bind_column_by_name(table, const_cast<gchar*>("Id"), id.data(), nullptr) > 0;
    if (whole) {
        mdb_rewind_table(table);
        unsigned rows = 0;
        while (mdb_fetch_row(table)) {
            ++rows;
            if ((std::atoi(type.data()) & 0x7F) == MDB_TABLE)
                out.push_back({QByteArray(name.data()),
                               static_cast<unsigned long>(std::atol(id.data()) & 0x00FFFFFF)});
        }
        whole = rows == table->num_rows;
    }
    mdb_free_tabledef(table);
    return whole;
}

const CatalogTable* findTable(const std::vector<CatalogTable>& catalog, const char* name) {
    for (const auto& t : catalog)
        if (g_ascii_strcasecmp(t.name.constData(), name) == 0)
            return &t;
    return nullptr;
}

// False when the catalogue names the table but its definition or pages cannot be read.
bool writeTable(QDataStream& out, MdbHandle* mdb, qint64 pages,
                const std::vector<CatalogTable>& catalog, const char* name) {
    const CatalogTable* listed = findTable(catalog, name);
    if (!listed) {
        out << false;
        return true;
    }
    MdbCatalogEntry entry = catalogEntry(mdb, listed->name.constData(), listed->page);
    MdbTableDef* table = mdb_read_table(&entry);
    if (!table)
        return false;
    if (!pagesInFile(mdb, table, pages) || !mdb_read_columns(table)) {
        mdb_free_tabledef(table);
        return false;
    }
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
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (argc < 2)
        return kotsu::JetUsage;
    if (!kotsu::isJetFile(QString::fromLocal8Bit(argv[1])))
        return kotsu::JetNotJet;
    // Old ledgers are written in the Windows Japanese code page.
    setenv("MDB_JET3_CHARSET", "CP932", 1);
    MdbHandle* mdb = mdb_open(argv[1], MDB_NOFLAGS);
    if (!mdb)
        return kotsu::JetDamaged;
    const qint64 pages = QFileInfo(QString::fromLocal8Bit(argv[1])).size() / mdb->fmt->pg_size;
    std::vector<CatalogTable> catalog;
    if (!readCatalog(mdb, pages, catalog)) {
        mdb_close(mdb);
        return kotsu::JetDamaged;
    }
    // Everything is gathered first: a damaged table must not leave half an answer behind.
    QByteArray answer;
    QDataStream out(&answer, QIODevice::WriteOnly);
    out << JetProtocolMagic;
    for (int i = 2; i < argc; ++i) {
        if (!writeTable(out, mdb, pages, catalog, argv[i])) {
            mdb_close(mdb);
            return kotsu::JetDamaged;
        }
    }
    mdb_close(mdb);
    QFile stdoutFile;
    stdoutFile.open(stdout, QIODevice::WriteOnly);
    stdoutFile.write(answer);
    stdoutFile.flush();
    return kotsu::JetReadDone;
}
