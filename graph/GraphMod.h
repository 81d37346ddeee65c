// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QList>
#include <QStringList>
#include <array>

namespace kotsu {

class Surface;

// The charts' colour table: 14 colours, shade 0 light and shade 1 full (0x00BBGGRR).
quint32 tableColour(int number, int shade);

// A category's colours: its front and the extrusion behind it.
struct ItemColour {
    quint32 front, extrusion;
    bool operator==(const ItemColour&) const = default;
};
// The place of the merged smallest categories: a grey the table does not have.
constexpr int OtherPlace = -1;
// From a category's place in the category table (ID order), so it keeps its colour in every
// chart: the 14 light colours first, then the full shades the light ones do not repeat.
ItemColour placeColour(int place);

constexpr quint32 EdgeColour = 0x404040;

struct Frame {
    double x0, y0, w, h;
    int depth;
    quint32 edge, grid;
    int nY, nX;
    QStringList valueLabels;    // 0..nY
    QStringList categoryLabels; // 0..nX; every other one is left out where they would touch
    int f;                      // 1: categories in the middle of their columns
    QString floorLabel = {};    // the value at the floor, beneath label 0
    int keptLabel = 0;          // the category label thinning never leaves out
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

// One category of a bar chart or a ratio column.
struct ChartItem {
    QString name;
    qint64 amount = 0;
    int place = 0;  // in the category table, for its colour
    int merged = 0; // for the merged rest: how many categories it holds
};

// One category's months, January first.
struct TrendRow {
    QString name;
    std::array<qint64, 12> months{};
    int place = 0;
};

// The text a chart shows instead of a scale when there is nothing to draw.
QString noDataText();

// Horizontal bars from a zero line, negative totals leftwards.
void categoryBarChart(Surface& s, const Placement& p, const QList<ChartItem>& items);
// months[0] income, months[1] expense, January to December; every value drawn with its sign.
void monthlyBalanceChart(Surface& s, const Placement& p,
                         const std::array<std::array<qint64, 12>, 2>& months,
                         const QStringList& monthLabels, const QString& incomeName,
                         const QString& expenseName);
// Drawn with signs. The legend takes a second column beside the first when the names do not
// fit the surface's height.
void categoryTrendChart(Surface& s, const Placement& p, const QList<TrendRow>& rows,
                        const QStringList& monthLabels);
// Positive amounts share the column; negative ones are left out with a note beneath it. The
// legend runs from the column's side face to legendRight (twips).
void ratioColumn(Surface& s, const Placement& p, const QList<ChartItem>& items, double legendRight);
// Whether a ratio column has anything to share out: a positive total.
bool anyShare(const QList<ChartItem>& items);
// The ratio chart's frame and its percentage scale, or the bare frame and the no-data text.
void ratioFrame(Surface& s, bool withData);

} // namespace kotsu
