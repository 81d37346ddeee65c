// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/JetWriter.h"
#include <QDate>
#include <QFile>
#include <cstring>

namespace kotsu::test {

namespace {

constexpr int PageSize = 4096;
constexpr int RowCountOffset = 0x0C;

using Page = QByteArray;

void put16(QByteArray& b, int at, int v) {
    b[at] = char(v & 0xFF);
    b[at + 1] = char((v >> 8) & 0xFF);
}
void put32(QByteArray& b, int at, quint32 v) {
    for (int i = 0; i < 4; ++i)
        b[at + i] = char((v >> (8 * i)) & 0xFF);
}
void append16(QByteArray& b, int v) {
    b.append(char(v & 0xFF));
    b.append(char((v >> 8) & 0xFF));
}
void append32(QByteArray& b, quint32 v) {
    for (int i = 0; i < 4; ++i)
        b.append(char((v >> (8 * i)) & 0xFF));
}
QByteArray ucs2(const QString& s) {
    QByteArray out;
    for (QChar c : s)
        append16(out, c.unicode());
    return out;
}

bool isFixed(JetColumn::Type t) {
    return t != JetColumn::Text;
}
int fixedSize(JetColumn::Type t) {
    switch (t) {
    case JetColumn::Long:
        return 4;
    case JetColumn::Int16:
        return 2;
    case JetColumn::Double:
    case JetColumn::DateTime:
        return 8;
    default:
        return 0;
    }
}

QByteArray fixedValue(JetColumn::Type t, const QVariant& v) {
    QByteArray b;
    switch (t) {
    case JetColumn::Long:
        append32(b, quint32(v.toInt()));
        break;
    case JetColumn::Int16:
        append16(b, v.toInt());
        break;
    case JetColumn::Double:
    case JetColumn::DateTime: {
        double d =
            t == JetColumn::Double ? v.toDouble() : double(QDate(1899, 12, 30).daysTo(v.toDate()));
        char raw[8];
        std::memcpy(raw, &d, 8);
        b.append(raw, 8);
        break;
    }
    default:
        break;
    }
    return b;
}

// One row in the Jet 4 layout: column count, fixed data, variable data, end of data,
// variable offsets last to first, variable count, null mask.
QByteArray packRow(const QList<JetColumn>& cols, const QList<QVariant>& values) {
    QByteArray row;
    append16(row, int(cols.size()));
    for (int i = 0; i < cols.size(); ++i) {
        if (!isFixed(cols[i].type))
            continue;
        const QVariant v = values.value(i);
        row.append(v.isNull() ? QByteArray(fixedSize(cols[i].type), '\0')
                              : fixedValue(cols[i].type, v));
    }
    QList<int> offsets;
    bool anyVar = false;
    for (int i = 0; i < cols.size(); ++i) {
        if (isFixed(cols[i].type))
            continue;
        anyVar = true;
        offsets << int(row.size());
        const QVariant v = values.value(i);
        if (!v.isNull())
            row.append(ucs2(v.toString()));
    }
    if (anyVar) {
        append16(row, int(row.size())); // end of data
        for (int i = int(offsets.size()) - 1; i >= 0; --i)
            append16(row, offsets[i]);
        append16(row, int(offsets.size()));
    }
    QByteArray mask((cols.size() + 7) / 8, '\0');
    for (int i = 0; i < cols.size(); ++i)
        if (!values.value(i).isNull())
            mask[i / 8] = char(mask[i / 8] | (1 << (i % 8)));
    row.append(mask);
    return row;
}

Page dataPage(quint32 tdefPage, const QList<QByteArray>& rows) {
    Page p(PageSize, '\0');
    p[0] = 0x01;
    p[1] = 0x01;
    put32(p, 4, tdefPage);
    put16(p, RowCountOffset, int(rows.size()));
    int pos = PageSize;
    for (int i = 0; i < rows.size(); ++i) {
        pos -= int(rows[i].size());
        std::memcpy(p.data() + pos, rows[i].constData(), size_t(rows[i].size()));
        put16(p, RowCountOffset + 2 + 2 * i, pos);
    }
    put16(p, 2, pos - (RowCountOffset + 2 + 2 * int(rows.size())));
    return p;
}

// Rows split over as many data pages as they need.
QList<QList<QByteArray>> splitRows(const QList<QByteArray>& rows) {
    QList<QList<QByteArray>> pages;
    QList<QByteArray> current;
    int used = RowCountOffset + 2;
    for (const QByteArray& r : rows) {
        if (!current.isEmpty() && used + r.size() + 2 > PageSize) {
            pages << current;
            current.clear();
            used = RowCountOffset + 2;
        }
        current << r;
        used += int(r.size()) + 2;
    }
    if (!current.isEmpty() || pages.isEmpty())
        pages << current;
    return pages;
}

Page tdefPage(const JetTable& t, bool system, quint32 usageMap, quint32 freeMap) {
    QByteArray b(63, '\0');
    b[0] = 0x02;
    b[1] = 0x01;
    put32(b, 16, quint32(t.rows.size()));
    b[40] = char(system ? 0x53 : 0x4E);
    int varCols = 0;
    for (const JetColumn& c : t.columns)
        varCols += isFixed(c.type) ? 0 : 1;
    put16(b, 41, int(t.columns.size()));
    put16(b, 43, varCols);
    put16(b, 45, int(t.columns.size()));
    put32(b, 55, usageMap);
    put32(b, 59, freeMap);
    int fixedOffset = 0, varIndex = 0;
    for (int i = 0; i < t.columns.size(); ++i) {
        const JetColumn& c = t.columns[i];
        QByteArray e(25, '\0');
        e[0] = char(c.type);
        put16(e, 5, i);
        put16(e, 7, isFixed(c.type) ? 0 : varIndex);
        put16(e, 9, i);
        if (c.type == JetColumn::Text)
            put16(e, 11, 0x409);
        e[15] = char((isFixed(c.type) ? 0x01 : 0) | 0x02);
        put16(e, 21, isFixed(c.type) ? fixedOffset : 0);
        put16(e, 23, isFixed(c.type) ? fixedSize(c.type) : 510);
        if (isFixed(c.type))
            fixedOffset += fixedSize(c.type);
        else
            ++varIndex;
        b.append(e);
    }
    for (const JetColumn& c : t.columns) {
        const QByteArray name = ucs2(c.name);
        append16(b, int(name.size()));
        b.append(name);
    }
    append16(b, 0xFFFF);
    put32(b, 8, quint32(b.size() - 8));
    Page p(PageSize, '\0');
    std::memcpy(p.data(), b.constData(), size_t(b.size()));
    put16(p, 2, PageSize - int(b.size()) - 8);
    return p;
}

// A type 0 usage map: its first page and one bit per page from there.
QByteArray usageMap(quint32 first, const QList<quint32>& pages) {
    quint32 last = first;
    for (quint32 pg : pages)
        last = qMax(last, pg);
    QByteArray m(5 + int((last - first) / 8 + 1), '\0');
    m[0] = 0x00;
    put32(m, 1, first);
    for (quint32 pg : pages)
        m[5 + int((pg - first) / 8)] =
            char(m[5 + int((pg - first) / 8)] | (1 << ((pg - first) % 8)));
    return m;
}

void rc4(QByteArray& data, int from, int length, const QByteArray& key) {
    unsigned char s[256];
    for (int i = 0; i < 256; ++i)
        s[i] = static_cast<unsigned char>(i);
    int j = 0;
    for (int i = 0; i < 256; ++i) {
        j = (j + s[i] + static_cast<unsigned char>(key[i % key.size()])) & 0xFF;
        std::swap(s[i], s[j]);
    }
    int x = 0, y = 0;
    for (int k = 0; k < length; ++k) {
        x = (x + 1) & 0xFF;
        y = (y + s[x]) & 0xFF;
        std::swap(s[x], s[y]);
        data[from + k] = char(data[from + k] ^ char(s[(s[x] + s[y]) & 0xFF]));
    }
}

Page headerPage() {
    Page p(PageSize, '\0');
    const char signature[] = "Standard Jet DB";
    std::memcpy(p.data() + 4, signature, sizeof signature);
    p[0x14] = 0x01; // Jet 4
    // The header is stored encrypted; encrypting zeros leaves no key and no password.
    rc4(p, 0x18, 128, QByteArray("\xC7\xDA\x39\x6B", 4));
    return p;
}

} // namespace

bool writeJet4(const QString& path, const QList<JetTable>& tables) {
    // Layout: 0 header, 1 spare, 2 catalog definition, 3 usage maps, 4.. catalog rows,
    // then each table's definition followed by its data pages.
    const JetTable catalogShape{QStringLiteral("MSysObjects"),
                                {{QStringLiteral("Id"), JetColumn::Long},
                                 {QStringLiteral("ParentId"), JetColumn::Long},
                                 {QStringLiteral("Name"), JetColumn::Text},
                                 {QStringLiteral("Type"), JetColumn::Int16},
                                 {QStringLiteral("Flags"), JetColumn::Long},
                                 {QStringLiteral("LvProp"), JetColumn::Text}},
                                {}};
    QList<QList<QByteArray>> tablePages;
    QList<quint32> tdefAt;
    quint32 next = 5;
    for (const JetTable& t : tables) {
        QList<QByteArray> rows;
        for (const auto& r : t.rows)
            rows << packRow(t.columns, r);
        tablePages << QList<QByteArray>();
        tdefAt << next;
        const auto split = splitRows(rows);
        next += 1 + quint32(split.size());
        for (const auto& pageRows : split)
            tablePages.last() << dataPage(tdefAt.last(), pageRows);
    }
    JetTable catalog = catalogShape;
    for (int i = 0; i < tables.size(); ++i)
        catalog.rows << QList<QVariant>{int(tdefAt[i]), 0x0F000001, tables[i].name, 1, 0,
                                        QVariant()};
    QList<QByteArray> catalogRows;
    for (const auto& r : catalog.rows)
        catalogRows << packRow(catalog.columns, r);

    // Usage maps live as rows of page 3: row 2k the pages of table k, row 2k+1 its free map.
    QList<QByteArray> maps{usageMap(4, {4}), usageMap(4, {})};
    for (int i = 0; i < tables.size(); ++i) {
        QList<quint32> pages;
        for (int p = 0; p < tablePages[i].size(); ++p)
            pages << tdefAt[i] + 1 + quint32(p);
        maps << usageMap(tdefAt[i] + 1, pages) << usageMap(tdefAt[i] + 1, {});
    }

    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    f.write(headerPage());
    f.write(Page(PageSize, '\0'));
    f.write(tdefPage(catalog, true, (3u << 8) | 0u, (3u << 8) | 1u));
    f.write(dataPage(0, maps));
    f.write(dataPage(2, catalogRows));
    for (int i = 0; i < tables.size(); ++i) {
        f.write(tdefPage(tables[i], false, (3u << 8) | quint32(2 + 2 * i),
                         (3u << 8) | quint32(3 + 2 * i)));
        for (const QByteArray& p : tablePages[i])
            f.write(p);
    }
    return f.error() == QFileDevice::NoError;
}

QList<JetTable> windowsLedger(const JetRows& categories, const JetRows& entries,
                              const JetRows& phrases) {
    return {{"科目テーブル",
             {{"ID", JetColumn::Long},
              {"科目名前", JetColumn::Text},
              {"収支", JetColumn::Text},
              {"予算", JetColumn::Long}},
             categories},
            {"明細テーブル",
             {{"ID", JetColumn::Long},
              {"日付", JetColumn::DateTime},
              {"科目ID", JetColumn::Long},
              {"金額", JetColumn::Long},
              {"コメント", JetColumn::Text}},
             entries},
            {"コメントテーブル",
             {{"ID", JetColumn::Long}, {"コメント名前", JetColumn::Text}},
             phrases}};
}

JetTable oldCategories(const QList<QPair<QString, QString>>& rows) {
    JetTable t{"項目", {{"名前", JetColumn::Text}, {"収支出", JetColumn::Text}}, {}};
    for (const auto& r : rows)
        t.rows << QList<QVariant>{r.first, r.second};
    return t;
}

JetTable oldEntries(const JetRows& rows) {
    return {"明細",
            {{"年月日", JetColumn::DateTime},
             {"科目", JetColumn::Long},
             {"収入", JetColumn::Long},
             {"支出", JetColumn::Long},
             {"備考", JetColumn::Text}},
            rows};
}

} // namespace kotsu::test
