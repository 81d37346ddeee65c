// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/Form8.h"
#include "ui/Fonts.h"
#include "ui/Style.h"
#include <QLabel>
#include <QPushButton>

namespace kotsu {

Form8::Form8(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("コツコツ帳。"));
    // As much room below the button as above the message.
    setFixedSize(3315 / 15, (1080 + 375 + 240) / 15);
    Lblメッセージ = new QLabel(this);
    Lblメッセージ->setGeometry(twips(120, 240, 3075, 765));
    Lblメッセージ->setAlignment(Qt::AlignCenter);
    Lblメッセージ->setFont(proportionalGothic(9));
    Lblメッセージ->setText(QStringLiteral("コツコツ帳。 Version 3.2\nfor Windows9X/Me/2000/XP"));
    Command2 = new QPushButton(QStringLiteral("閉じる(&X)"), this);
    Command2->setGeometry(twips(960, 1080, 1305, 375));
    connect(Command2, &QPushButton::clicked, this, &QDialog::accept);
}

} // namespace kotsu
