// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reads a recorded chart back as a user reads the picture: values against the labelled
// scale, points and bars, and whether anything leaves the window.
#include "graph/GraphMod.h"
#include "support/RecordingSurface.h"
#include <QPointF>
#include <QRectF>
#include <QTest>

namespace kotsu::test {

using Call = RecordingSurface::Call;
using Op = RecordingSurface::Op;

// The charts' frame as the graph window places it, in twips.
constexpr double X0 = 1500, Y0 = 1500, W = 6000, H = 6750, D = 450;
constexpr double Pixel = 15;

inline QList<Call> withColour(const RecordingSurface& s, Op op, quint32 colour) {
    QList<Call> out;
    for (const Call& c : s.of(op))
        if (c.colour == colour)
            out << c;
    return out;
}

inline QStringList texts(const RecordingSurface& s) {
    QStringList out;
    for (const Call& c : s.of(Op::Print))
        out << c.text;
    return out;
}

inline double widthOf(const QString& text) {
    return RecordingSurface::CharWidth * text.size();
}

// A labelled value and where it reads: a height on the back wall or a place along the floor.
struct Tick {
    double at;
    double value;
};

// The unit written at the axis, as a factor: 10,000 for 万円.
inline double unitOf(const RecordingSurface& s) {
    const QStringList t = texts(s);
    return t.contains(QStringLiteral("（億円）"))   ? 1e8
           : t.contains(QStringLiteral("（万円）")) ? 1e4
                                                    : 1;
}

inline bool isNumber(const QString& text, double* value) {
    bool ok = false;
    *value = QString(text).remove(QLatin1Char(',')).toDouble(&ok);
    return ok;
}

// The value labels left of a year's frame, each read across to its back-wall grid line.
inline QList<Tick> valueTicks(const RecordingSurface& s) {
    QList<Tick> out;
    double v;
    for (const Call& c : s.of(Op::Print))
        if (qAbs(c.x1 + widthOf(c.text) - (X0 - 45)) < 0.01 && isNumber(c.text, &v))
            out << Tick{c.y1 + RecordingSurface::CharHeight / 2 - D, v * unitOf(s)};
    return out;
}

// The value labels under a bar chart's floor, at their ticks.
inline QList<Tick> floorTicks(const RecordingSurface& s) {
    QList<Tick> out;
    double v;
    for (const Call& c : s.of(Op::Print))
        if (c.y1 == Y0 + H + 30 && isNumber(c.text, &v))
            out << Tick{c.x1 + widthOf(c.text) / 2, v * unitOf(s)};
    return out;
}

// The value at a place, read between the outermost ticks.
inline double readAt(const QList<Tick>& ticks, double at) {
    const Tick &a = ticks.first(), &b = ticks.last();
    return a.value + (at - a.at) / (b.at - a.at) * (b.value - a.value);
}

// How much one pixel is worth on that scale.
inline double pixelWorth(const QList<Tick>& ticks) {
    return qAbs((ticks.last().value - ticks.first().value) / (ticks.last().at - ticks.first().at)) *
           Pixel;
}

// The points of a line series: the centres of its markers, January first.
inline QList<QPointF> points(const RecordingSurface& s, quint32 colour) {
    QList<QPointF> out;
    for (const Call& c : withColour(s, Op::Box, colour))
        if (qAbs(c.y2 - c.y1) == 50)
            out << QPointF((c.x1 + c.x2) / 2, (c.y1 + c.y2) / 2);
    return out;
}

inline QRectF printRect(const Call& c) {
    return {c.x1, c.y1, widthOf(c.text), RecordingSurface::CharHeight};
}

// Everything drawn, text included, lies within the window.
inline bool insideWindow(const RecordingSurface& s) {
    for (const Call& c : s.calls) {
        const QRectF r = c.op == Op::Print
                             ? printRect(c)
                             : QRectF(QPointF(c.x1, c.y1), QPointF(c.x2, c.y2)).normalized();
        if (r.left() < -0.01 || r.top() < -0.01 || r.right() > RecordingSurface::PageWidth + 0.01 ||
            r.bottom() > RecordingSurface::PageHeight + 0.01) {
            qWarning("outside the window: %s (%g, %g)-(%g, %g)", qPrintable(c.text), r.left(),
                     r.top(), r.right(), r.bottom());
            return false;
        }
    }
    return true;
}

// No text is written over another.
inline bool textsApart(const RecordingSurface& s) {
    const auto prints = s.of(Op::Print);
    for (int i = 0; i < prints.size(); ++i)
        for (int j = i + 1; j < prints.size(); ++j)
            if (printRect(prints[i])
                    .adjusted(0.5, 0.5, -0.5, -0.5)
                    .intersects(printRect(prints[j]))) {
                qWarning("over each other: %s, %s", qPrintable(prints[i].text),
                         qPrintable(prints[j].text));
                return false;
            }
    return true;
}

} // namespace kotsu::test
