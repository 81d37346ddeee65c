// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the chart routines share beyond the frame: placement in twips, fitted names, the
// merged rest of many categories, legend entries and the no-data text.
#include "graph/GraphMod.h"
#include <QString>

namespace kotsu {

class Surface;
class ValueAxis;

constexpr quint32 Black = 0x000000;
constexpr quint32 GridColour = 0xC0C0C0;
constexpr quint32 ShadowColour = 0xE0E0E0;
constexpr double OnePixel = 15; // twips

struct Twips {
    double x0, y0, w, h;
    int d;
};
Twips toTwips(const Placement& p);

// Twips mode, 8 points, and the frame in the charts' colours.
void chartFrame(Surface& s, const Twips& t, int nY, int nX, const QStringList& values,
                const QStringList& categories, int f, const QString& floorLabel = {},
                int keptLabel = 0);
// Where a chart has nothing to draw: its frame, bare, with the no-data text in the middle.
void noDataFrame(Surface& s, const Twips& t);

// The text cut to the width, keeping its start and marking the cut.
QString fitted(const Surface& s, const QString& text, double width);

// An item's name cut to the width.
QString fittedName(const Surface& s, const ChartItem& item, double width);

// At most fit items, in their order: ¥0 totals are left out first, then the smallest positive
// ones merge into one last item "その他（N科目）" holding their sum. Negative totals keep their
// own items before any positive one; only where they crowd out the rest do the smallest of them
// merge into a rest of their own.
QList<ChartItem> keepLargest(const QList<ChartItem>& items, int fit);

// A legend line: swatches in their colours, then the name in black, cut to the width.
void legendEntry(Surface& s, double x, double y, const QList<quint32>& swatches,
                 const QString& name, double width);

// A point of a line series: a small filled square.
void marker(Surface& s, double x, double y);

} // namespace kotsu
