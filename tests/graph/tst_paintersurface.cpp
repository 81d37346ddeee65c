// SPDX-License-Identifier: GPL-3.0-or-later
#include "graph/PainterSurface.h"
#include "ui/Fonts.h"
#include <QTest>

using namespace kotsu;

class TestPainterSurface : public QObject {
    Q_OBJECT
private slots:
    void boxTakesItsColour_andTextStaysInItsMeasuredBox() {
        installFontSubstitutes();
        PainterSurface s(QSize(200, 60));
        const QColor background = s.image().pixelColor(0, 0);
        s.setScaleMode(Surface::Twips);
        s.setForeColor(0x0080FF); // orange, stored blue-green-red
        s.box(150, 150, 600, 450);
        QCOMPARE(s.image().pixelColor(20, 20), QColor(255, 128, 0));
        QCOMPARE(s.image().pixelColor(45, 20), background);

        s.setForeColor(0);
        s.setFontSize(8);
        s.CurrentX = 80 * 15;
        s.CurrentY = 20 * 15;
        const QString text = QStringLiteral("食費(12.35%)");
        const QRectF measured(80, 20, s.textWidth(text) / 15, s.textHeight(text) / 15);
        s.print(text);
        QRect ink;
        for (int y = 0; y < s.image().height(); ++y)
            for (int x = 50; x < s.image().width(); ++x)
                if (s.image().pixelColor(x, y) != background)
                    ink |= QRect(x, y, 1, 1);
        QVERIFY(measured.adjusted(-1, -1, 1, 1).contains(QRectF(ink)));
        QVERIFY(ink.width() > measured.width() * 0.8);
        QVERIFY(ink.height() > measured.height() / 2);
    }
};

QTEST_MAIN(TestPainterSurface)
#include "tst_paintersurface.moc"
