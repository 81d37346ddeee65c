// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Text as a Japanese user compares it when looking for a word: widths, letter case and the
// two kana scripts do not matter; distinct kanji stay distinct.
#include <QString>
#include <QStringList>

namespace kotsu {

// NFKC, hiragana as katakana, case folded.
QString foldForSearch(const QString& text);

// The folded words of what was typed, split at blanks of either width; empty when none.
QStringList searchWords(const QString& typed);

// Every word occurs in the folded text, in any order; the words are taken literally.
bool containsAllWords(const QString& foldedText, const QStringList& words);

} // namespace kotsu
