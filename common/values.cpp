// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/values.h"
#include <algorithm>

namespace kotsu {

QString formatAmount(qint64 value) {
    const bool negative = value < 0;
    // Magnitude as unsigned so the most negative value formats too.
    quint64 magnitude = negative ? quint64(0) - quint64(value) : quint64(value);
    QString digits = QString::number(magnitude);
    QString out;
    out.reserve(digits.size() + digits.size() / 3 + 1);
    const int lead = digits.size() % 3;
    for (int i = 0; i < digits.size(); ++i) {
        if (i > 0 && (i - lead) % 3 == 0)
            out += QLatin1Char(',');
        out += digits[i];
    }
    return negative ? QLatin1Char('-') + out : out;
}

QString toHalfWidth(const QString& text) {
    // Most text is already half width: it is shared, not copied.
    const auto needsChange = [](QChar c) {
        const char16_t u = c.unicode();
        return (u >= 0xFF01 && u <= 0xFF5E) || u == 0x3000 || u == 0x2212 || u == 0x30FC;
    };
    if (std::none_of(text.begin(), text.end(), needsChange))
        return text;
    QString out = text;
    for (QChar& c : out) {
        const char16_t u = c.unicode();
        if (u >= 0xFF01 && u <= 0xFF5E)
            c = QChar(char16_t(u - 0xFEE0));
        else if (u == 0x3000)
            c = QLatin1Char(' ');
        else if (u == 0x2212 || u == 0x30FC)
            c = QLatin1Char('-');
    }
    return out;
}

namespace {

struct ParsedNumber {
    bool negative = false;
    QString integerDigits;
    QString fractionDigits;
};

bool isBlank(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

std::optional<ParsedNumber> parseNumber(const QString& raw) {
    const QString text = toHalfWidth(raw);
    int i = 0;
    const int n = text.size();
    while (i < n && isBlank(text[i]))
        ++i;
    int end = n;
    while (end > i && isBlank(text[end - 1]))
        --end;
    ParsedNumber p;
    if (i < end && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
        p.negative = text[i] == QLatin1Char('-');
        ++i;
        while (i < end && isBlank(text[i]))
            ++i;
    }
    bool seenDigit = false;
    for (; i < end; ++i) {
        const QChar c = text[i];
        if (c.isDigit() && c.unicode() < 128) {
            p.integerDigits += c;
            seenDigit = true;
        } else if (c == QLatin1Char(',') && seenDigit) {
            continue; // grouping may stand between any digits, as the platform allows
        } else {
            break;
        }
    }
    if (i < end && text[i] == QLatin1Char('.')) {
        for (++i; i < end; ++i) {
            const QChar c = text[i];
            if (!(c.isDigit() && c.unicode() < 128))
                break;
            p.fractionDigits += c;
        }
    }
    if (i != end)
        return std::nullopt;
    if (p.integerDigits.isEmpty() && p.fractionDigits.isEmpty())
        return std::nullopt;
    return p;
}

} // namespace

bool isNumeric(const QString& text) {
    return parseNumber(text).has_value();
}

std::optional<qint32> toYen(const QString& text) {
    const auto p = parseNumber(text);
    if (!p)
        return std::nullopt;
    QString digits = p->integerDigits;
    while (digits.size() > 1 && digits.startsWith(QLatin1Char('0')))
        digits.remove(0, 1);
    if (digits.size() > 12)
        return std::nullopt;
    qint64 value = digits.isEmpty() ? 0 : digits.toLongLong();
    const QString& f = p->fractionDigits;
    if (!f.isEmpty()) {
        const int first = f[0].digitValue();
        bool restNonZero = false;
        for (int k = 1; k < f.size(); ++k)
            restNonZero = restNonZero || f[k] != QLatin1Char('0');
        const bool up = first > 5 || (first == 5 && (restNonZero || value % 2 == 1));
        if (up)
            ++value;
    }
    if (p->negative)
        value = -value;
    if (value < INT32_MIN || value > INT32_MAX)
        return std::nullopt;
    return qint32(value);
}

QString plainDigits(const QString& text) {
    if (text.isEmpty())
        return text;
    const auto p = parseNumber(text);
    if (!p)
        return text;
    QString digits = p->integerDigits;
    qint64 value = 0;
    if (const auto yen = toYen(text))
        return QString::number(*yen);
    // Beyond 32 bits still prints as digits; only the grouping goes.
    value = digits.toLongLong();
    return QString::number(p->negative ? -value : value);
}

QString dateText(const QDate& date) {
    // The usual years directly: the locale-aware formatter is slow for a hundred thousand.
    if (date.isValid() && date.year() >= 1 && date.year() <= 9999)
        return QString::asprintf("%04d/%02d/%02d", date.year(), date.month(), date.day());
    return date.toString(QStringLiteral("yyyy/MM/dd"));
}

QDate parseDate(const QString& text) {
    const QStringList parts = text.trimmed().split(QLatin1Char('/'));
    if (parts.size() != 3)
        return {};
    bool okY = false, okM = false, okD = false;
    const int y = parts[0].toInt(&okY);
    const int m = parts[1].toInt(&okM);
    const int d = parts[2].toInt(&okD);
    if (!okY || !okM || !okD)
        return {};
    return QDate(y, m, d);
}

} // namespace kotsu
