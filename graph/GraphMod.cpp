// SPDX-License-Identifier: GPL-3.0-or-later
#include "graph/GraphMod.h"
#include "graph/MathMod.h"
#include "graph/Surface.h"
#include <algorithm>
#include <cmath>

namespace kotsu {

namespace {

constexpr quint32 Black = 0x000000;
constexpr quint32 GridColour = 0xC0C0C0;
constexpr quint32 ShadowColour = 0xE0E0E0;

struct Twips {
    double x0, y0, w, h;
    int d;
};

Twips toTwips(const Placement& p) {
    return {p.left * 15.0, p.top * 15.0, p.width * 15.0, p.height * 15.0, p.depth * 15};
}

constexpr double LegendLine = 180;

// A refund or correction (a negative total) takes no share of a ratio column.
double share(qint64 amount) {
    return double(qMax<qint64>(0, amount));
}

// Labels falling by step from top, label 9 at the top edge.
QStringList fallingLabels(qint64 top, double step) {
    QStringList labels;
    for (int i = 0; i < 10; ++i)
        labels << QString();
    qint64 u = top;
    for (int n = 9; n >= 0; --n) {
        labels[n] = QString::number(u);
        u = roundHalfEven(double(u) - step);
    }
    return labels;
}

void marker(Surface& s, double x, double y) {
    s.box(x - 25, y - 25, x + 25, y + 25);
}

void frameOnly(Surface& s, const Twips& t, int nY, int nX, const QStringList& values,
               const QStringList& categories, int f) {
    s.setScaleMode(Surface::Twips);
    s.setFontSize(8);
    frame3D(s, {t.x0, t.y0, t.w, t.h, t.d, EdgeColour, GridColour, nY, nX, values, categories, f});
}

struct Scale {
    qint64 top;   // the value at the top edge
    double total; // from the top edge to the floor
};

qint64 bands(qint64 value, qint64 step) {
    return (value + step - 1) / step;
}

// Positive values alone scale as they always did. With values below zero, a round step that
// puts zero on a grid line, so the labels stay round too.
Scale signedScale(qint64 above, qint64 below) {
    if (below == 0) {
        const qint64 top = scaledMax(above);
        return {top, double(top)};
    }
    qint64 step = scaledMax((above + below + 9) / 10);
    while (bands(above, step) + bands(below, step) > 10)
        step = scaledMax(step + 1);
    return {(10 - bands(below, step)) * step, 10.0 * double(step)};
}

// Where values of both signs are drawn, the zero level across the left and back walls.
void zeroLine(Surface& s, const Twips& t, double y) {
    s.setForeColor(EdgeColour);
    s.line(t.x0, y, t.x0 + t.d, y - t.d);
    s.line(t.x0 + t.d, y - t.d, t.x0 + t.d + t.w, y - t.d);
}

// Cuts a legend text to the width it has, marking the cut.
QString fitted(const Surface& s, const QString& text, double width) {
    if (s.textWidth(text) <= width)
        return text;
    const QString mark = QStringLiteral("…");
    QString kept = text;
    while (kept.size() > 1 && s.textWidth(kept + mark) > width)
        kept.chop(1);
    return kept + mark;
}

// Down the right of the chart, one line a category; a second column when the first is full,
// and where both are, the last line counts the categories left out.
void trendLegend(Surface& s, const Twips& t, const QStringList& names, int count) {
    const double left = t.x0 + t.w + t.d + 30;
    const double top = t.y0 - t.d + 30;
    const int perColumn = qMax(1, int((s.scaleHeight() - top) / LegendLine));
    const bool twoColumns = count > perColumn;
    const double columnWidth = (s.scaleWidth() - left) / (twoColumns ? 2 : 1);
    const int shown = count <= 2 * perColumn ? count : 2 * perColumn - 1;
    ColourCycle c;
    for (int i = 0; i < shown; ++i) {
        s.CurrentX = left + (i / perColumn) * columnWidth;
        s.CurrentY = top + LegendLine * (i % perColumn);
        s.setForeColor(tableColour(c.k, c.s));
        s.print(fitted(s, QStringLiteral("■") + names.value(i), columnWidth - 60));
        c.advance();
    }
    if (shown < count) {
        s.CurrentX = left + columnWidth;
        s.CurrentY = top + LegendLine * (perColumn - 1);
        s.setForeColor(Black);
        s.print(QStringLiteral("他%1科目").arg(count - shown));
    }
}

} // namespace

quint32 tableColour(int number, int shade) {
    static const quint32 table[14][2] = {
        {0x8080FF, 0x0000FF}, {0x80C0FF, 0x0080FF}, {0x80FFFF, 0x00FFFF}, {0x80FF80, 0x00FF00},
        {0xFFFF80, 0xFFFF00}, {0xFF8080, 0xFF0000}, {0xFF80FF, 0xFF00FF}, {0x0000FF, 0x000080},
        {0x0080FF, 0x004080}, {0x00FFFF, 0x008080}, {0x00FF00, 0x008000}, {0xFFFF00, 0x808000},
        {0xFF0000, 0x400000}, {0xFF00FF, 0x400040}};
    return table[number][shade];
}

void ColourCycle::advance() {
    if (k > 12) {
        k = 0;
        s = 1;
    } else {
        ++k;
    }
}

qint64 axisScale(qint64 value) {
    qint64 power = 1;
    while (double(value) / double(power) >= 100)
        power *= 10;
    const double q = std::round(double(value) / double(power) * 1e10) / 1e10;
    return power * roundHalfEven(q);
}

qint64 scaledMax(qint64 largest) {
    const qint64 scaled = axisScale(largest);
    if (scaled >= largest)
        return scaled;
    // Rounded down to two digits: one more unit of the second digit covers the value.
    qint64 power = 1;
    while (largest / power >= 100)
        power *= 10;
    return scaled + power;
}

void frame3D(Surface& s, const Frame& fr) {
    const double x0 = fr.x0, y0 = fr.y0, w = fr.w, h = fr.h;
    const double d = fr.depth;
    const double stepY = fr.nY + 1 > 0 ? h / (fr.nY + 1) : 0;
    const double stepX = fr.nX + 1 > 0 ? w / (fr.nX + 1) : 0;
    s.setForeColor(fr.grid);
    s.setScaleMode(Surface::Twips);
    for (int i = 0; i <= fr.nX; ++i) {
        const double x = x0 + i * stepX + fr.f * stepX / 2;
        s.line(x + d, y0 - d, x + d, y0 + h - d);
        s.line(x + d, y0 + h - d, x, y0 + h);
    }
    for (int j = 0; j <= fr.nY; ++j) {
        s.line(x0 + d, y0 - d + j * stepY, x0 + d + w, y0 - d + j * stepY);
        s.line(x0, y0 + j * stepY, x0 + d, y0 - d + j * stepY);
    }
    s.setForeColor(fr.edge);
    s.box(x0 + d, y0 - d, x0 + d - 15, y0 + h - d);
    s.box(x0 + d, y0 + h - d, x0 + d + w, y0 + h - d + 15);
    for (int k = 0; k <= 15; ++k) {
        s.line(x0, y0 - k, x0 + d, y0 - d - k);
        s.line(x0, y0 + h - k, x0 + d, y0 + h - d - k);
        s.line(x0 + w + k, y0 + h, x0 + d + w + k, y0 + h - d);
    }
    s.line(x0 + d + w, y0 - d, x0 + d + w, y0 + h - d);
    s.line(x0 + d, y0 - d, x0 + d + w, y0 - d);
    s.box(x0, y0, x0 - 15, y0 + h);
    s.box(x0, y0 + h, x0 + w, y0 + h + 15);
    s.setForeColor(Black);
    for (int j = 0; j <= fr.nY && j < fr.valueLabels.size(); ++j) {
        s.CurrentX = x0 - 45 - s.textWidth(fr.valueLabels[j]);
        s.CurrentY = y0 + h - (j + 1) * stepY - s.textHeight(QStringLiteral("A")) / 2;
        s.print(fr.valueLabels[j]);
    }
    // Labels that would run into each other are thinned to every other one (or fewer).
    double widest = 0;
    for (int i = 0; i <= fr.nX && i < fr.categoryLabels.size(); ++i)
        widest = qMax(widest, s.textWidth(fr.categoryLabels[i]));
    int stride = 1;
    while (stepX > 0 && widest + 60 > stride * stepX && stride <= fr.nX)
        ++stride;
    for (int i = 0; i <= fr.nX && i < fr.categoryLabels.size(); i += stride) {
        s.CurrentX = x0 + i * stepX + fr.f * stepX / 2 - s.textWidth(fr.categoryLabels[i]) / 2;
        s.CurrentY = y0 + h + 30;
        s.print(fr.categoryLabels[i]);
    }
}

void box3D(Surface& s, double x, double y, double w, double h, int depth, quint32 colour) {
    const double d = depth;
    s.setForeColor(colour);
    s.line(x, y, x + w, y);
    s.line(x + w, y, x + w, y + h);
    s.line(x + w, y + h, x, y + h);
    s.line(x, y + h, x, y);
    s.line(x, y, x + d, y - d);
    s.line(x + d, y - d, x + d + w, y - d);
    s.line(x + d + w, y - d, x + w, y);
    s.line(x + d + w, y - d, x + d + w, y - d + h);
    s.line(x + d + w, y - d + h, x + w, y + h);
}

void extrudedBar(Surface& s, double x1, double y1, double x2, double y2, int depth,
                 quint32 extrusion, quint32 front) {
    s.setForeColor(extrusion);
    for (int o = depth - 1; o >= 1; --o)
        s.box(x1 + o, y1 - o, x2 + o, y2 - o);
    s.setForeColor(front);
    s.box(x1, y1, x2, y2);
    box3D(s, x1, y1, x2 - x1, y2 - y1, depth, EdgeColour);
}

void categoryBarChart(Surface& s, const Placement& p, const QList<qint64>& amounts,
                      const QStringList& names, int count) {
    const Twips t = toTwips(p);
    qint64 largest = 0;
    for (int j = 0; j < count; ++j)
        largest = qMax(largest, amounts[j]);
    const qint64 max = scaledMax(largest);
    QStringList labels;
    for (int i = 0; i <= 10; ++i)
        labels << QString::number(roundHalfEven(double(max) / 10 * i));
    frameOnly(s, t, -1, 10, {}, labels, 0);
    // Nothing to scale against: the frame and its labels are the whole chart.
    if (count > 0 && max >= 1) {
        const double rowH = t.h / count;
        ColourCycle c;
        for (int j = 0; j < count; ++j) {
            const double yTop = t.y0 + t.h - (j + 1) * rowH;
            const double length = double(amounts[j]) / double(max) * (t.w - 450);
            if (amounts[j] >= 1)
                extrudedBar(s, t.x0, yTop + 45, t.x0 + length, yTop + rowH - 45, t.d,
                            tableColour(c.k, 1), tableColour(c.k, c.s));
            s.setForeColor(Black);
            s.CurrentX = t.x0 - 60 - s.textWidth(names[j]);
            s.CurrentY = yTop + (rowH - s.textHeight(QStringLiteral("A"))) / 2;
            s.print(names[j]);
            c.advance();
        }
    }
    s.setScaleMode(Surface::Pixels);
}

void monthlyBalanceChart(Surface& s, const Placement& p,
                         const std::array<std::array<qint64, 12>, 2>& months,
                         const QStringList& monthLabels, const QString& incomeName,
                         const QString& expenseName) {
    const Twips t = toTwips(p);
    // Above the zero line: the largest income and every positive value drawn. Below it: the
    // largest expense (a month's deepest possible deficit) and every negative value drawn.
    qint64 above = 0, below = 0;
    for (int i = 0; i < 12; ++i) {
        const qint64 income = months[0][i], expense = months[1][i];
        const qint64 d = income - expense;
        above = std::max({above, income, expense, d});
        below = std::max({below, qAbs(expense), -income, -d});
    }
    const qint64 max1 = scaledMax(above);
    const qint64 max2 = scaledMax(below);
    const double total = double(max1) + double(max2);
    const QStringList labels = fallingLabels(max1, total / 10);
    frameOnly(s, t, 9, 11, labels, monthLabels, 1);
    if (total > 0) {
        const double yBase = t.y0 + double(max1) / total * t.h;
        const double stepX = t.w / 12;
        auto xc = [&](int i) { return t.x0 + i * stepX + stepX / 2; };
        auto yOf = [&](qint64 v) { return yBase - double(v) / total * t.h; };
        for (int i = 0; i < 12; ++i) {
            const qint64 d = months[0][i] - months[1][i];
            const double left = xc(i) - stepX / 3 + 65;
            const double right = xc(i) + stepX / 3 - 65;
            if (d > 0)
                extrudedBar(s, left, yOf(d), right, yBase, t.d, 0xFF8080, 0xFFC0C0);
            else if (d < 0)
                extrudedBar(s, left, yBase, right, yOf(d), t.d, 0xFF80FF, 0xFFC0FF);
        }
        const quint32 colours[2] = {0xFF0000, 0x0000FF};
        const QString seriesNames[2] = {incomeName, expenseName};
        for (int series = 0; series < 2; ++series) {
            double qx = 0, qy = 0;
            for (int i = 0; i < 12; ++i) {
                const double px = xc(i);
                const double py = yOf(months[series][i]);
                if (i == 0) {
                    qx = px;
                    qy = py;
                }
                s.setForeColor(colours[series]);
                s.line(qx, qy, px, py);
                marker(s, qx, qy);
                marker(s, px, py);
                qx = px;
                qy = py;
            }
            s.CurrentX = t.x0 + t.w + 60 + t.d;
            s.CurrentY = t.y0 - t.d + 300 * series;
            s.print(QStringLiteral("■") + seriesNames[series]);
        }
    }
    s.setScaleMode(Surface::Pixels);
}

void categoryTrendChart(Surface& s, const Placement& p, const QList<std::array<qint64, 12>>& table,
                        const QStringList& names, const QStringList& monthLabels) {
    const Twips t = toTwips(p);
    qint64 above = 0, below = 0;
    for (const auto& row : table) {
        for (qint64 v : row) {
            above = qMax(above, v);
            below = qMax(below, -v);
        }
    }
    const Scale scale = signedScale(above, below);
    const double total = scale.total;
    frameOnly(s, t, 9, 11, fallingLabels(scale.top, total / 10), monthLabels, 1);
    if (total > 0) {
        const double yBase = t.y0 + double(scale.top) / total * t.h;
        if (below > 0)
            zeroLine(s, t, yBase);
        const double stepX = t.w / 12;
        ColourCycle c;
        for (int i = 0; i < table.size(); ++i) {
            double qx = 0, qy = 0;
            for (int j = 0; j < 12; ++j) {
                const double px = t.x0 + j * stepX + stepX / 2;
                const double py = yBase - double(table[i][j]) / total * t.h;
                if (j == 0) {
                    qx = px;
                    qy = py;
                }
                s.setForeColor(ShadowColour);
                s.line(qx + 15, qy - 15, px + 15, py - 15);
                marker(s, qx + 15, qy - 15);
                marker(s, px + 15, py - 15);
                s.setForeColor(tableColour(c.k, c.s));
                s.line(qx, qy, px, py);
                marker(s, qx, qy);
                marker(s, px, py);
                qx = px;
                qy = py;
            }
            c.advance();
        }
        trendLegend(s, t, names, int(table.size()));
    }
    s.setScaleMode(Surface::Pixels);
}

void ratioColumn(Surface& s, const Placement& p, const QList<qint64>& amounts,
                 const QStringList& names, int count) {
    const Twips t = toTwips(p);
    ColourCycle c;
    double total = 0;
    for (int j = 0; j <= count; ++j)
        total += share(amounts.value(j));
    if (total == 0)
        return;
    QStringList percent;
    for (int j = 0; j <= count; ++j) {
        const double v = percentRound(share(amounts.value(j)) * 100 / total, 2);
        percent << QStringLiteral("(") + QString::number(float(v), 'g', 7) + QStringLiteral("%)");
    }
    s.setScaleMode(Surface::Twips);
    s.setFontSize(8);
    QList<double> top(count + 1), height(count + 1);
    double y = t.y0 + t.h;
    for (int j = count; j >= 0; --j) {
        const double a = share(amounts.value(j));
        const double h = a / total * t.h;
        y -= h;
        top[j] = y;
        height[j] = h;
        if (a >= 1)
            extrudedBar(s, t.x0, y, t.x0 + t.w, y + h, t.d, tableColour(c.k, 1),
                        tableColour(c.k, c.s));
        c.advance();
        box3D(s, t.x0, y, t.w, h, t.d, EdgeColour);
    }
    const double lineH = s.textHeight(QStringLiteral("A"));
    double lastY = t.y0 + t.h;
    for (int j = count; j >= 0; --j) {
        if (share(amounts.value(j)) <= 0)
            continue;
        // Each item climbs at least one line above the last, so none overlap.
        if (top[j] + lineH < lastY)
            lastY = top[j];
        else
            lastY -= lineH;
        const QString text = names.value(j) + percent[j];
        const double x = t.x0 + t.w + 300;
        s.setForeColor(ShadowColour);
        s.box(x - 7.5, lastY - 7.5, x + s.textWidth(text) - 7.5, lastY + lineH - 7.5);
        s.setForeColor(Black);
        s.CurrentX = x;
        s.CurrentY = lastY;
        s.print(text);
        s.line(t.x0 + t.w - 30, top[j] + 15, t.x0 + t.w + 285, lastY + 60);
    }
    s.setScaleMode(Surface::Pixels);
}

} // namespace kotsu
