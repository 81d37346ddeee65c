// SPDX-License-Identifier: GPL-3.0-or-later
#include "graph/GraphMod.h"
#include "graph/ChartParts.h"
#include "graph/Surface.h"
#include <algorithm>
#include <numeric>

namespace kotsu {

quint32 tableColour(int number, int shade) {
    static const quint32 table[14][2] = {
        {0x8080FF, 0x0000FF}, {0x80C0FF, 0x0080FF}, {0x80FFFF, 0x00FFFF}, {0x80FF80, 0x00FF00},
        {0xFFFF80, 0xFFFF00}, {0xFF8080, 0xFF0000}, {0xFF80FF, 0xFF00FF}, {0x0000FF, 0x000080},
        {0x0080FF, 0x004080}, {0x00FFFF, 0x008080}, {0x00FF00, 0x008000}, {0xFFFF00, 0x808000},
        {0xFF0000, 0x400000}, {0xFF00FF, 0x400040}};
    return table[number][shade];
}

ItemColour placeColour(int place) {
    if (place < 0)
        return {0xB4B4B4, 0x8C8C8C};
    // The full shades of colours 0-6 are the light ones of 7-13: 21 distinct fronts in all.
    const int c = place % 21;
    const int k = c < 14 ? c : c - 7;
    return {tableColour(k, c < 14 ? 0 : 1), tableColour(k, 1)};
}

QString noDataText() {
    return QStringLiteral("この期間のデータはありません。");
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
    const double half = s.textHeight(QStringLiteral("A")) / 2;
    for (int j = 0; j <= fr.nY && j < fr.valueLabels.size(); ++j) {
        s.CurrentX = x0 - 45 - s.textWidth(fr.valueLabels[j]);
        s.CurrentY = y0 + h - (j + 1) * stepY - half;
        s.print(fr.valueLabels[j]);
    }
    if (!fr.floorLabel.isEmpty()) {
        s.CurrentX = x0 - 45 - s.textWidth(fr.floorLabel);
        s.CurrentY = y0 + h - half;
        s.print(fr.floorLabel);
    }
    // Labels that would run into each other are thinned to every other one (or fewer).
    double widest = 0;
    for (int i = 0; i <= fr.nX && i < fr.categoryLabels.size(); ++i)
        widest = qMax(widest, s.textWidth(fr.categoryLabels[i]));
    int stride = 1;
    while (stepX > 0 && widest + 60 > stride * stepX && stride <= fr.nX)
        ++stride;
    for (int i = fr.keptLabel % stride; i <= fr.nX && i < fr.categoryLabels.size(); i += stride) {
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
    // Under a pixel either way, the extrusion alone would look like a real bar.
    if (qAbs(x2 - x1) < OnePixel || qAbs(y2 - y1) < OnePixel)
        return;
    s.setForeColor(extrusion);
    for (int o = depth - 1; o >= 1; --o)
        s.box(x1 + o, y1 - o, x2 + o, y2 - o);
    s.setForeColor(front);
    s.box(x1, y1, x2, y2);
    box3D(s, x1, y1, x2 - x1, y2 - y1, depth, EdgeColour);
}

Twips toTwips(const Placement& p) {
    return {p.left * 15.0, p.top * 15.0, p.width * 15.0, p.height * 15.0, p.depth * 15};
}

void chartFrame(Surface& s, const Twips& t, int nY, int nX, const QStringList& values,
                const QStringList& categories, int f, const QString& floorLabel, int keptLabel) {
    s.setScaleMode(Surface::Twips);
    s.setFontSize(8);
    frame3D(s, {t.x0, t.y0, t.w, t.h, t.d, EdgeColour, GridColour, nY, nX, values, categories, f,
                floorLabel, keptLabel});
}

void noDataFrame(Surface& s, const Twips& t) {
    // No grid: there is no scale to read it against, and its lines would strike the text through.
    chartFrame(s, t, -1, -1, {}, {}, 0);
    const QString text = noDataText();
    s.setForeColor(Black);
    s.CurrentX = t.x0 + t.d + (t.w - s.textWidth(text)) / 2;
    s.CurrentY = t.y0 - t.d + (t.h - s.textHeight(text)) / 2;
    s.print(text);
}

QString fittedName(const Surface& s, const ChartItem& item, double width) {
    // Cut, the merged rest would lose its count: it has a shorter form.
    if (item.merged > 0 && s.textWidth(item.name) > width)
        return fitted(s, QStringLiteral("他%1科目").arg(item.merged), width);
    return fitted(s, item.name, width);
}

QString fitted(const Surface& s, const QString& text, double width) {
    if (s.textWidth(text) <= width)
        return text;
    const QString mark = QStringLiteral("…");
    QString kept = text;
    while (!kept.isEmpty() && s.textWidth(kept + mark) > width)
        kept.chop(1);
    return kept + mark;
}

namespace {

// Where a sign's rest is a single category, it keeps its own name.
void appendRest(QList<ChartItem>& out, const QList<ChartItem>& rest) {
    if (rest.size() == 1) {
        out << rest.first();
    } else if (!rest.isEmpty()) {
        ChartItem merged{QStringLiteral("その他（%1科目）").arg(rest.size()), 0, OtherPlace,
                         int(rest.size())};
        for (const ChartItem& item : rest)
            merged.amount += item.amount;
        out << merged;
    }
}

} // namespace

QList<ChartItem> keepLargest(const QList<ChartItem>& items, int fit) {
    if (items.size() <= fit)
        return items;
    // ¥0 has nothing to draw: those give up their places first and count in no merge.
    QList<int> order;
    for (int i = 0; i < items.size(); ++i)
        if (items[i].amount != 0)
            order << i;
    // A negative total keeps its own bar before any positive one: merged, it would be netted away.
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        const bool na = items[a].amount < 0, nb = items[b].amount < 0;
        return na != nb ? na : qAbs(items[a].amount) > qAbs(items[b].amount);
    });
    qsizetype keep = order.size();
    if (keep > fit) {
        keep = qMax(0, fit - 1);
        // Both signs left over: each its own rest.
        if (items[order[keep]].amount < 0 && items[order.last()].amount > 0)
            keep = qMax(0, fit - 2);
    }
    QList<bool> kept(items.size(), false);
    for (qsizetype i = 0; i < keep; ++i)
        kept[order[i]] = true;
    QList<ChartItem> out, positives, negatives;
    for (int i = 0; i < items.size(); ++i)
        if (kept[i])
            out << items[i];
    for (qsizetype i = keep; i < order.size(); ++i)
        (items[order[i]].amount > 0 ? positives : negatives) << items[order[i]];
    appendRest(out, positives);
    appendRest(out, negatives);
    return out;
}

void legendEntry(Surface& s, double x, double y, const QList<quint32>& swatches,
                 const QString& name, double width) {
    const QString swatch = QStringLiteral("■");
    s.CurrentY = y;
    for (quint32 colour : swatches) {
        s.setForeColor(colour);
        s.CurrentX = x;
        s.CurrentY = y;
        s.print(swatch);
        x += s.textWidth(swatch);
        width -= s.textWidth(swatch);
    }
    s.setForeColor(Black);
    s.CurrentX = x;
    s.CurrentY = y;
    s.print(fitted(s, name, width));
}

void marker(Surface& s, double x, double y) {
    s.box(x - 25, y - 25, x + 25, y + 25);
}

} // namespace kotsu
