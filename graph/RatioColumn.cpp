// SPDX-License-Identifier: GPL-3.0-or-later
#include "graph/ChartParts.h"
#include "graph/GraphMod.h"
#include "graph/MathMod.h"
#include "graph/Surface.h"
#include <algorithm>

namespace kotsu {

namespace {

// From the column's side face to its legend, and from a legend to what lies beyond it.
constexpr double Gap = 60;

struct Legend {
    QList<ChartItem> items;
    QList<QStringList> lines; // each item's text, a line a string
};

// A name too wide for its line: cut, but the merged rest keeps its count on a second line.
QStringList nameLines(const Surface& s, const ChartItem& item, double width) {
    const int open = int(item.name.indexOf(QStringLiteral("（")));
    if (s.textWidth(item.name) > width && item.merged > 0 && open > 0)
        return {item.name.left(open), fittedName(s, {item.name.mid(open)}, width)};
    return {fittedName(s, item, width)};
}

// Name and share on one line where every item's fit the width, else the share beneath the
// name; as many items as the column's height holds.
Legend legendFor(const Surface& s, const QList<ChartItem>& positives, double height, double width) {
    const int rows = qMax(2, int(height / s.textHeight(QStringLiteral("A"))));
    Legend l;
    for (const bool split : {false, true}) {
        for (int fit = split ? rows / 2 : rows; fit >= 1; --fit) {
            l = {keepLargest(positives, fit), {}};
            QList<qint64> amounts;
            for (const ChartItem& item : l.items)
                amounts << item.amount;
            const QList<int> hundredths = shareHundredths(amounts);
            bool fits = true;
            int used = 0;
            for (int i = 0; i < l.items.size(); ++i) {
                const QString share = shareText(hundredths[i], amounts[i]);
                const QString& name = l.items[i].name;
                fits = fits && s.textWidth(name + share) <= width;
                l.lines << (split ? nameLines(s, l.items[i], width) << share
                                  : QStringList{name + share});
                used += int(l.lines.last().size());
            }
            if (!split && !fits)
                break;
            if (used <= rows)
                return l;
        }
    }
    return l;
}

} // namespace

void ratioFrame(Surface& s, bool withData) {
    s.setScaleMode(Surface::Twips);
    s.setFontSize(8);
    const Twips t{1500, 1500, 6000, 6750, 450};
    if (!withData) {
        noDataFrame(s, t);
        return;
    }
    QStringList percentages;
    for (int i = 0; i < 10; ++i)
        percentages << QString::number((i + 1) * 10) + QLatin1Char('%');
    frame3D(s, {t.x0, t.y0, t.w, t.h, t.d, EdgeColour, 0x808080, 9, -1, percentages, {}, 1});
}

bool anyShare(const QList<ChartItem>& items) {
    return std::any_of(items.begin(), items.end(), [](const ChartItem& i) { return i.amount > 0; });
}

void ratioColumn(Surface& s, const Placement& p, const QList<ChartItem>& items,
                 double legendRight) {
    const Twips t = toTwips(p);
    s.setScaleMode(Surface::Twips);
    s.setFontSize(8);
    const double lineH = s.textHeight(QStringLiteral("A"));
    QList<ChartItem> positives;
    int negatives = 0;
    for (const ChartItem& item : items) {
        if (item.amount > 0)
            positives << item;
        else if (item.amount < 0)
            ++negatives;
    }
    if (negatives > 0) {
        // Beneath the caption line under the column.
        const QString note = QStringLiteral("マイナスの科目（%1）を除く").arg(negatives);
        s.setForeColor(Black);
        s.CurrentX = t.x0 + (t.w - s.textWidth(note)) / 2;
        s.CurrentY = t.y0 + t.h + 105 + lineH;
        s.print(note);
    }
    if (positives.isEmpty()) {
        s.setScaleMode(Surface::Pixels);
        return;
    }
    const double legendX = t.x0 + t.w + t.d + Gap;
    const double legendW = legendRight - legendX;
    const Legend legend = legendFor(s, positives, t.h, legendW);
    const int n = int(legend.items.size());
    double total = 0;
    for (const ChartItem& item : legend.items)
        total += double(item.amount);

    // Stacked from the last item at the floor up to the first.
    QList<double> top(n);
    double y = t.y0 + t.h;
    for (int j = n - 1; j >= 0; --j) {
        const double h = double(legend.items[j].amount) / total * t.h;
        y -= h;
        top[j] = y;
        // A sliver is not drawn (its extrusion would paint the whole top face), only outlined.
        const ItemColour c = placeColour(legend.items[j].place);
        extrudedBar(s, t.x0, y, t.x0 + t.w, y + h, t.d, c.extrusion, c.front);
        box3D(s, t.x0, y, t.w, h, t.d, EdgeColour);
    }

    // Each item beside its segment's top, climbing where the one below is in the way; then
    // pushed down where the climb would leave the column's height.
    QList<double> at(n);
    double last = t.y0 + t.h;
    for (int j = n - 1; j >= 0; --j) {
        const double itemH = legend.lines[j].size() * lineH;
        at[j] = top[j] + itemH < last ? top[j] : last - itemH;
        last = at[j];
    }
    double highest = t.y0;
    for (int j = 0; j < n; ++j) {
        at[j] = qMax(at[j], highest);
        highest = at[j] + legend.lines[j].size() * lineH;
    }
    for (int j = n - 1; j >= 0; --j) {
        const QStringList& lines = legend.lines[j];
        double width = 0;
        for (const QString& line : lines)
            width = qMax(width, s.textWidth(line));
        s.setForeColor(ShadowColour);
        s.box(legendX - 7.5, at[j] - 7.5, legendX + width - 7.5,
              at[j] + lines.size() * lineH - 7.5);
        s.setForeColor(Black);
        for (int k = 0; k < lines.size(); ++k) {
            s.CurrentX = legendX;
            s.CurrentY = at[j] + k * lineH;
            s.print(lines[k]);
        }
        s.line(t.x0 + t.w - 30, top[j] + 15, legendX - 15, at[j] + 60);
    }
    s.setScaleMode(Surface::Pixels);
}

} // namespace kotsu
