// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/SearchFold.h"

namespace kotsu {

QString foldForSearch(const QString& text) {
    QString s = text.normalized(QString::NormalizationForm_KC);
    for (QChar& c : s) {
        const char16_t u = c.unicode();
        // ぁ…ゖ and the iteration marks ゝゞ sit 0x60 below their katakana.
        if ((u >= 0x3041 && u <= 0x3096) || u == 0x309D || u == 0x309E)
            c = QChar(char16_t(u + 0x60));
    }
    return s.toCaseFolded();
}

QStringList searchWords(const QString& typed) {
    // NFKC has already made the ideographic space an ASCII one.
    return foldForSearch(typed).simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

bool containsAllWords(const QString& foldedText, const QStringList& words) {
    for (const QString& w : words)
        if (!foldedText.contains(w))
            return false;
    return true;
}

} // namespace kotsu
