// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Fonts.h"
#include <QApplication>
#include <QKeySequence>
#include <QLibraryInfo>
#include <QTranslator>

// Exported by QtGui, declared only in its documentation build.
Q_GUI_EXPORT void qt_set_sequence_auto_mnemonic(bool b);

namespace kotsu {

namespace {
const QString gothic = QStringLiteral("ＭＳ ゴシック");
const QString pGothic = QStringLiteral("ＭＳ Ｐゴシック");
} // namespace

void installFontSubstitutes() {
    QFont::insertSubstitutions(
        gothic, {QStringLiteral("IPAGothic"), QStringLiteral("Noto Sans Mono CJK JP")});
    QFont::insertSubstitutions(pGothic,
                               {QStringLiteral("IPAPGothic"), QStringLiteral("Noto Sans CJK JP")});
}

QFont gothicFont(qreal points) {
    QFont f(gothic);
    f.setPointSizeF(points);
    return f;
}

QFont proportionalGothic(qreal points) {
    QFont f(pGothic);
    f.setPointSizeF(points);
    return f;
}

void enableAccessKeys() {
    ::qt_set_sequence_auto_mnemonic(true);
}

void installJapaneseTranslation(QApplication& app) {
    auto* t = new QTranslator(&app);
    if (t->load(QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(t);
    else
        delete t;
}

} // namespace kotsu
