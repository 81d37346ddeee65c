#include "exchange/ExportFormat.h"
#include "common/values.h"

namespace kotsu {

namespace {

bool isPadding(QChar c) {
    return c == QLatin1Char(' ') || c.unicode() == 0x3000;
}

// Spaces go from both ends, the title cells' ideographic padding too.
QString trimmed(const QString& text) {
    int begin = 0, end = text.size();
    while (begin < end && isPadding(text[begin]))
        ++begin;
    while (end > begin && isPadding(text[end - 1]))
        --end;
    return text.mid(begin, end - begin);
}

QString csvField(const QString& field) {
    if (!field.contains(QLatin1Char(',')) && !field.contains(QLatin1Char('"')) &&
        !field.contains(QLatin1Char('\n')) && !field.contains(QLatin1Char('\r')))
        return field;
    QString f = field;
    f.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + f + QLatin1Char('"');
}

} // namespace

QString exportLine(const QStringList& cells) {
    QStringList fields;
    for (int c = 0; c < cells.size(); ++c) {
        const QString text = (c == 3 || c == 4) ? plainDigits(cells[c]) : cells[c];
        fields << csvField(trimmed(text));
    }
    return fields.join(QLatin1Char(','));
}

QString exportText(const QList<QStringList>& rows) {
    QString out;
    for (const QStringList& row : rows)
        out += exportLine(row) + QStringLiteral("\r\n");
    return out;
}

} // namespace kotsu
