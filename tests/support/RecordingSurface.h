// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A chart surface for tests: what was drawn, where and in which colour.
#include "graph/Surface.h"

namespace kotsu::test {

// Keeps every call with its coordinates and colour, and measures text by a fixed rule.
class RecordingSurface : public Surface {
public:
    enum class Op { Line, Box, Print };
    struct Call {
        Op op;
        double x1, y1, x2, y2; // for a print: the position in x1, y1
        quint32 colour;
        QString text;
    };
    // Measured in twips: 90 a character wide, 180 high.
    static constexpr double CharWidth = 90;
    static constexpr double CharHeight = 180;
    // The graph window's drawing area, in twips.
    static constexpr double PageWidth = 11250;
    static constexpr double PageHeight = 9150;

    void setForeColor(quint32 bgr) override { colour_ = bgr; }
    void setScaleMode(int mode) override { scaleMode = mode; }
    void setFontSize(double points) override { fontSize = points; }
    void print(const QString& text) override;
    double textWidth(const QString& text) const override;
    double textHeight(const QString& text) const override;
    double scaleWidth() const override { return inUnit(PageWidth); }
    double scaleHeight() const override { return inUnit(PageHeight); }
    void line(double x1, double y1, double x2, double y2) override;
    void box(double x1, double y1, double x2, double y2) override;
    void clear() override { calls.clear(); }

    QList<Call> of(Op op) const;

    QList<Call> calls;
    int scaleMode = Pixels;
    double fontSize = 9;

private:
    double inUnit(double twips) const { return scaleMode == Twips ? twips : twips / 15; }

    quint32 colour_ = 0;
};

} // namespace kotsu::test
