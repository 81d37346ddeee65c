// SPDX-License-Identifier: GPL-3.0-or-later
#include "graph/ChartParts.h"
#include "graph/GraphMod.h"
#include "graph/Surface.h"
#include "graph/ValueAxis.h"

namespace kotsu {

void categoryBarChart(Surface& s, const Placement& p, const QList<ChartItem>& items) {
    const Twips t = toTwips(p);
    s.setScaleMode(Surface::Twips);
    s.setFontSize(8);
    const double lineH = s.textHeight(QStringLiteral("A"));
    // No band lower than a name's line: the smallest categories share the last one.
    const QList<ChartItem> shown = keepLargest(items, qMax(1, int(t.h / lineH)));
    qint64 lowest = 0, highest = 0;
    for (const ChartItem& item : shown) {
        lowest = qMin(lowest, item.amount);
        highest = qMax(highest, item.amount);
    }
    const ValueAxis axis(lowest, highest, 10);
    if (axis.empty()) {
        noDataFrame(s, t);
        s.setScaleMode(Surface::Pixels);
        return;
    }
    const int bands = axis.bands();
    QStringList labels;
    for (int i = 0; i <= bands; ++i)
        labels << axis.label(i);
    // Where labels must be thinned, zero stays.
    chartFrame(s, t, -1, bands, {}, labels, 0, {}, axis.bandsBelowZero());
    // A tick at every band's end; one band's width is left free at the right.
    const double scaleW = t.w * bands / (bands + 1);
    auto xOf = [&](qint64 v) { return t.x0 + axis.fraction(v) * scaleW; };
    if (!axis.unit().isEmpty()) {
        s.CurrentX = t.x0 + t.w + 60;
        s.CurrentY = t.y0 + t.h + 30;
        s.print(axis.unit());
    }
    const double zero = xOf(0);
    if (axis.bandsBelowZero() > 0) {
        s.setForeColor(EdgeColour);
        s.line(zero + t.d, t.y0 - t.d, zero + t.d, t.y0 + t.h - t.d);
        s.line(zero + t.d, t.y0 + t.h - t.d, zero, t.y0 + t.h);
    }
    const double rowH = t.h / shown.size();
    const double gap = qMin(45.0, rowH / 4);
    const double nameWidth = t.x0 - 60 - 60;
    for (int j = 0; j < shown.size(); ++j) {
        const ChartItem& item = shown[j];
        const double yTop = t.y0 + t.h - (j + 1) * rowH;
        const ItemColour c = placeColour(item.place);
        const double end = xOf(item.amount);
        extrudedBar(s, qMin(zero, end), yTop + gap, qMax(zero, end), yTop + rowH - gap, t.d,
                    c.extrusion, c.front);
        const QString name = fittedName(s, item, nameWidth);
        s.setForeColor(Black);
        s.CurrentX = t.x0 - 60 - s.textWidth(name);
        s.CurrentY = yTop + (rowH - lineH) / 2;
        s.print(name);
    }
    s.setScaleMode(Surface::Pixels);
}

} // namespace kotsu
