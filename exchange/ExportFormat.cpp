// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange/ExportFormat.h"
#include "common/values.h"

namespace kotsu {

namespace {

bool isPadding(QChar c) {
    return c == QLatin1Char(' ') || c.unicode() == 0x3000;
}

// Spaces go from both ends, the title cells' ideographic padding too.
QStringView trimmed(QStringView text) {
    qsizetype begin = 0, end = text.size();
    while (begin < end && isPadding(text[begin]))
        ++begin;
    while (end > begin && isPadding(text[end - 1]))
        --end;
    return text.mid(begin, end - begin);
}

bool needsQuotes(QStringView field) {
    for (QChar c : field)
        if (c == QLatin1Char(',') || c == QLatin1Char('"') || c == QLatin1Char('\n') ||
            c == QLatin1Char('\r'))
            return true;
    return false;
}

void appendField(QString& out, QStringView field) {
    if (!needsQuotes(field)) {
        out += field;
        return;
    }
    out += QLatin1Char('"');
    for (QChar c : field) {
        if (c == QLatin1Char('"'))
            out += QLatin1Char('"');
        out += c;
    }
    out += QLatin1Char('"');
}

bool isAsciiDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// The grid's own amount text ("-1,234,567", "0") loses its grouping without a full parse;
// anything else goes the long way, with the same result.
QString amountDigits(const QString& text) {
    const qsizetype n = text.size();
    qsizetype i = n > 0 && text[0] == QLatin1Char('-') ? 1 : 0;
    const bool zero = n == 1 && text[0] == QLatin1Char('0');
    bool grouped = !zero && i < n && isAsciiDigit(text[i]) && text[i] != QLatin1Char('0');
    int digits = 0;
    int sinceComma = -1; // digits since the last comma, -1 before the first
    for (qsizetype k = i; grouped && k < n; ++k) {
        if (isAsciiDigit(text[k])) {
            ++digits;
            grouped = sinceComma < 0 ? digits <= 3 : ++sinceComma <= 3;
        } else if (text[k] == QLatin1Char(',')) {
            grouped = sinceComma < 0 || sinceComma == 3;
            sinceComma = 0;
        } else {
            grouped = false;
        }
    }
    if (zero)
        return text;
    if (!grouped || (sinceComma >= 0 && sinceComma != 3) || digits > 18)
        return plainDigits(text);
    QString out;
    out.reserve(n);
    for (QChar c : text)
        if (c != QLatin1Char(','))
            out += c;
    return out;
}

void appendLine(QString& out, const QStringList& cells) {
    for (int c = 0; c < cells.size(); ++c) {
        if (c > 0)
            out += QLatin1Char(',');
        if (c == 3 || c == 4)
            appendField(out, trimmed(amountDigits(cells[c])));
        else
            appendField(out, trimmed(cells[c]));
    }
}

} // namespace

QString exportLine(const QStringList& cells) {
    QString out;
    appendLine(out, cells);
    return out;
}

QString exportText(const QList<QStringList>& rows) {
    QString out;
    out.reserve(rows.size() * 64);
    for (const QStringList& row : rows) {
        appendLine(out, row);
        out += QStringLiteral("\r\n");
    }
    return out;
}

} // namespace kotsu
