#include "dialogs/Form8.h"
#include "ui/Fonts.h"
#include <QLabel>
#include <QPushButton>

namespace kotsu {

Form8::Form8(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("コツコツ帳。"));
    setFixedSize(3315 / 15, 1935 / 15);
    Lblメッセージ = new QLabel(this);
    Lblメッセージ->setGeometry(120 / 15, 240 / 15, 3075 / 15, 765 / 15);
    Lblメッセージ->setAlignment(Qt::AlignCenter);
    Lblメッセージ->setFont(proportionalGothic(9));
    Lblメッセージ->setText(QStringLiteral("コツコツ帳。 Version 3.2\nfor Windows9X/Me/2000/XP"));
    Command2 = new QPushButton(QStringLiteral("閉じる(&X)"), this);
    Command2->setGeometry(960 / 15, 1080 / 15, 1305 / 15, 375 / 15);
    connect(Command2, &QPushButton::clicked, this, &QDialog::accept);
}

} // namespace kotsu
