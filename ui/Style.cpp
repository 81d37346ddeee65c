// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Style.h"
#include <QFrame>
#include <QLabel>

namespace kotsu {

void styleFormTitle(QLabel* label) {
    label->setStyleSheet(QStringLiteral("color: rgb(192,0,0); font-weight: bold;"));
}

QFrame* orangeRule(QWidget* parent, const QRect& geometry) {
    auto* rule = new QFrame(parent);
    rule->setGeometry(geometry);
    rule->setStyleSheet(QStringLiteral("background: rgb(255,128,0);"));
    return rule;
}

} // namespace kotsu
