// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QFont>

class QApplication;

namespace kotsu {

// The forms name Windows' Gothic fonts; map them to the installed Japanese Gothic ones.
void installFontSubstitutes();
QFont gothicFont(qreal points);         // "ＭＳ ゴシック"
QFont proportionalGothic(qreal points); // "ＭＳ Ｐゴシック"
// Alt+letter reaches a control by its caption's access key, as on Windows.
void enableAccessKeys();
// Qt's own texts (standard buttons, file dialogs) in Japanese whatever the locale.
void installJapaneseTranslation(QApplication& app);

} // namespace kotsu
