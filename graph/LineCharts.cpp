// SPDX-License-Identifier: GPL-3.0-or-later
// The charts of a year: lines over the months, read against the back wall's grid.
#include "graph/ChartParts.h"
#include "graph/GraphMod.h"
#include "graph/Surface.h"
#include "graph/ValueAxis.h"
#include <algorithm>
#include <cmath>

namespace kotsu {

namespace {

constexpr double LegendLine = 180;
constexpr quint32 SurplusFront = 0xFFC0C0, SurplusSide = 0xFF8080;
constexpr quint32 DeficitFront = 0xFFC0FF, DeficitSide = 0xFF80FF;

// The frame of a year with its value scale, or with the no-data text instead.
class YearFrame {
public:
    YearFrame(Surface& s, const Twips& t, const ValueAxis& axis, const QStringList& monthLabels)
        : s_(s), t_(t), axis_(axis) {
        if (axis.empty()) {
            noDataFrame(s, t);
            return;
        }
        QStringList labels;
        for (int n = 1; n <= axis.bands(); ++n)
            labels << axis.label(n);
        chartFrame(s, t, axis.bands() - 1, 11, labels, monthLabels, 1, axis.label(0));
        const QString unit = axis.unit();
        if (!unit.isEmpty()) {
            s.CurrentX = t.x0 - 45 - s.textWidth(unit);
            s.CurrentY = t.y0 - s.textHeight(unit) * 3 / 2 - 30;
            s.print(unit);
        }
        if (axis.bandsBelowZero() > 0) {
            const double y = front(0);
            s.setForeColor(EdgeColour);
            s.line(t.x0, y, t.x0 + t.d, y - t.d);
            s.line(t.x0 + t.d, y - t.d, t.x0 + t.d + t.w, y - t.d);
        }
    }
    // Heights in the front plane, as a column's front face stands.
    double front(qint64 v) const { return t_.y0 + t_.h * (1 - axis_.fraction(v)); }
    // A month's point stands above its label, at the height of its value's grid line on the
    // back wall: read across, it gives its value; read down, its month.
    double x(int month) const { return t_.x0 + (month + 0.5) * t_.w / 12; }
    double y(qint64 v) const { return front(v) - t_.d; }

private:
    Surface& s_;
    Twips t_;
    const ValueAxis& axis_;
};

// A line in short dashes, so a line it lies on shows between them.
void dashedLine(Surface& s, double x1, double y1, double x2, double y2) {
    constexpr double Dash = 60;
    const double length = std::hypot(x2 - x1, y2 - y1);
    const int pieces = qMax(1, int(length / Dash));
    for (int i = 0; i < pieces; i += 2) {
        const double a = double(i) / pieces, b = double(i + 1) / pieces;
        s.line(x1 + (x2 - x1) * a, y1 + (y2 - y1) * a, x1 + (x2 - x1) * b, y1 + (y2 - y1) * b);
    }
}

} // namespace

void monthlyBalanceChart(Surface& s, const Placement& p,
                         const std::array<std::array<qint64, 12>, 2>& months,
                         const QStringList& monthLabels, const QString& incomeName,
                         const QString& expenseName) {
    const Twips t = toTwips(p);
    qint64 lowest = 0, highest = 0;
    for (int i = 0; i < 12; ++i) {
        const qint64 income = months[0][i], expense = months[1][i];
        lowest = std::min({lowest, income, expense, income - expense});
        highest = std::max({highest, income, expense, income - expense});
    }
    const ValueAxis axis(lowest, highest, 10);
    const YearFrame year(s, t, axis, monthLabels);
    if (!axis.empty()) {
        const double stepX = t.w / 12;
        for (int i = 0; i < 12; ++i) {
            const qint64 d = months[0][i] - months[1][i];
            const double left = year.x(i) - stepX / 3 + 65;
            const double right = year.x(i) + stepX / 3 - 65;
            if (d > 0)
                extrudedBar(s, left, year.front(d), right, year.front(0), t.d, SurplusSide,
                            SurplusFront);
            else if (d < 0)
                extrudedBar(s, left, year.front(0), right, year.front(d), t.d, DeficitSide,
                            DeficitFront);
        }
        const quint32 colours[2] = {0xFF0000, 0x0000FF};
        for (int series = 0; series < 2; ++series) {
            s.setForeColor(colours[series]);
            for (int i = 0; i < 12; ++i) {
                const int from = qMax(0, i - 1);
                const double qx = year.x(from), qy = year.y(months[series][from]);
                const double px = year.x(i), py = year.y(months[series][i]);
                // Where expense lies on income, it is dashed and its points halved.
                const bool onIncome = series == 1 && months[0][from] == months[1][from] &&
                                      months[0][i] == months[1][i];
                if (onIncome)
                    dashedLine(s, qx, qy, px, py);
                else
                    s.line(qx, qy, px, py);
                if (series == 1 && months[0][i] == months[1][i])
                    s.box(px, py - 25, px + 25, py + 25);
                else
                    marker(s, px, py);
            }
        }
        const double x = t.x0 + t.w + 60 + t.d;
        const double width = s.scaleWidth() - x - 60;
        legendEntry(s, x, t.y0 - t.d, {colours[0]}, incomeName, width);
        legendEntry(s, x, t.y0 - t.d + 300, {colours[1]}, expenseName, width);
        legendEntry(s, x, t.y0 - t.d + 600, {SurplusSide, DeficitSide}, QStringLiteral("収支"),
                    width);
    }
    s.setScaleMode(Surface::Pixels);
}

namespace {

// Down the right of the chart, one line a category; a second column when the first is full,
// and where both are, the last line counts the categories left out.
void trendLegend(Surface& s, const Twips& t, const QList<TrendRow>& rows) {
    const double left = t.x0 + t.w + t.d + 30;
    const double top = t.y0 - t.d + 30;
    const int count = int(rows.size());
    const int perColumn = qMax(1, int((s.scaleHeight() - top) / LegendLine));
    const bool twoColumns = count > perColumn;
    const double columnWidth = (s.scaleWidth() - left) / (twoColumns ? 2 : 1);
    const int shown = count <= 2 * perColumn ? count : 2 * perColumn - 1;
    for (int i = 0; i < shown; ++i)
        legendEntry(s, left + (i / perColumn) * columnWidth, top + LegendLine * (i % perColumn),
                    {placeColour(rows[i].place).front}, rows[i].name, columnWidth - 60);
    if (shown < count) {
        s.CurrentX = left + columnWidth;
        s.CurrentY = top + LegendLine * (perColumn - 1);
        s.setForeColor(Black);
        s.print(QStringLiteral("他%1科目").arg(count - shown));
    }
}

} // namespace

void categoryTrendChart(Surface& s, const Placement& p, const QList<TrendRow>& rows,
                        const QStringList& monthLabels) {
    const Twips t = toTwips(p);
    qint64 lowest = 0, highest = 0;
    for (const TrendRow& row : rows) {
        for (qint64 v : row.months) {
            lowest = qMin(lowest, v);
            highest = qMax(highest, v);
        }
    }
    const ValueAxis axis(lowest, highest, 10);
    const YearFrame year(s, t, axis, monthLabels);
    if (!axis.empty()) {
        for (const TrendRow& row : rows) {
            for (int j = 0; j < 12; ++j) {
                const int from = qMax(0, j - 1);
                const double qx = year.x(from), qy = year.y(row.months[from]);
                const double px = year.x(j), py = year.y(row.months[j]);
                // The shadow falls on the wall below and right of its line.
                s.setForeColor(ShadowColour);
                s.line(qx + 15, qy + 15, px + 15, py + 15);
                marker(s, px + 15, py + 15);
                s.setForeColor(placeColour(row.place).front);
                s.line(qx, qy, px, py);
                marker(s, px, py);
            }
        }
        trendLegend(s, t, rows);
    }
    s.setScaleMode(Surface::Pixels);
}

} // namespace kotsu
