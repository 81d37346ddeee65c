// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QList>
#include <QStringList>
#include <array>

namespace kotsu {

class Surface;

// The charts' colour table: 14 colours, shade 0 light and shade 1 full (0x00BBGGRR).
quint32 tableColour(int number, int shade);

// One colour per item: the first 14 items get shade 0, every later one shade 1.
struct ColourCycle {
    int k = 0;
    int s = 0;
    void advance();
};

constexpr quint32 EdgeColour = 0x404040;

// A round value for an axis: two significant digits, values below 100 unchanged.
qint64 axisScale(qint64 value);
// The axis scale, rounded up where it would fall short of the value it must show.
qint64 scaledMax(qint64 largest);

struct Frame {
    double x0, y0, w, h;
    int depth;
    quint32 edge, grid;
    int nY, nX;
    QStringList valueLabels;    // 0..nY
    QStringList categoryLabels; // 0..nX; every other one is left out where they would touch
    int f;                      // 1: categories in the middle of their columns
};
void frame3D(Surface& s, const Frame& frame);
void box3D(Surface& s, double x, double y, double w, double h, int depth, quint32 colour);
// A bar seen from the front-left: shade 1 extruded back to depth, the front in its colour.
void extrudedBar(Surface& s, double x1, double y1, double x2, double y2, int depth,
                 quint32 extrusion, quint32 front);

// Placement in pixels, as the graph window passes it.
struct Placement {
    int left = 100, top = 100, width = 400, height = 450, depth = 30;
};

// Only positive amounts draw a bar.
void categoryBarChart(Surface& s, const Placement& p, const QList<qint64>& amounts,
                      const QStringList& names, int count);
// months[0] income, months[1] expense, January to December; every value drawn with its sign.
void monthlyBalanceChart(Surface& s, const Placement& p,
                         const std::array<std::array<qint64, 12>, 2>& months,
                         const QStringList& monthLabels, const QString& incomeName,
                         const QString& expenseName);
// table[category][month], drawn with signs. The legend takes a second column beside the
// first when the names do not fit the surface's height.
void categoryTrendChart(Surface& s, const Placement& p, const QList<std::array<qint64, 12>>& table,
                        const QStringList& names, const QStringList& monthLabels);
// Elements 0..count of amounts and names are drawn; only positive amounts take a share.
void ratioColumn(Surface& s, const Placement& p, const QList<qint64>& amounts,
                 const QStringList& names, int count);

} // namespace kotsu
