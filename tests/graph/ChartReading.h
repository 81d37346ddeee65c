// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reads a recorded chart back as a user reads the picture: values against the scale, and
// whether anything plotted leaves the frame.
#include "graph/GraphMod.h"
#include "support/RecordingSurface.h"
#include <QTest>

namespace kotsu::test {

using Call = RecordingSurface::Call;
using Op = RecordingSurface::Op;

// The charts' frame as the graph window places it, in twips.
constexpr double X0 = 1500, Y0 = 1500, W = 6000, H = 6750, D = 450;

inline QList<Call> withColour(const RecordingSurface& s, Op op, quint32 colour) {
    QList<Call> out;
    for (const Call& c : s.of(op))
        if (c.colour == colour)
            out << c;
    return out;
}

// The value at height y on a frame with ten value labels (printed first, label 0 lowest).
inline double valueAt(const RecordingSurface& s, double y) {
    const auto labels = s.of(Op::Print);
    const double y9 = labels[9].y1 + RecordingSurface::CharHeight / 2;
    const double y0 = labels[0].y1 + RecordingSurface::CharHeight / 2;
    const double v9 = labels[9].text.toDouble(), v0 = labels[0].text.toDouble();
    return v9 + (y - y9) / (y0 - y9) * (v0 - v9);
}

// The value a series' line reaches at each month, January first.
inline QList<double> monthValues(const RecordingSurface& s, quint32 colour) {
    QList<double> out;
    for (const Call& c : withColour(s, Op::Line, colour))
        out << valueAt(s, c.y2);
    return out;
}

// The label values are rounded; allow for it.
inline bool near(double actual, double expected, double span) {
    return qAbs(actual - expected) <= span / 1000 + 5;
}

// Lines and boxes drawn after the frame's own must lie within the frame and its depth;
// a point's marker may stand half out, but not its centre.
inline bool plottedInsideFrame(const RecordingSurface& s, int nY, int nX) {
    RecordingSurface frameOnly;
    frame3D(frameOnly, {X0, Y0, W, H, int(D), 0, 0, nY, nX, {}, {}, 1});
    const int skip = int(frameOnly.calls.size());
    int seen = 0;
    for (const Call& c : s.calls) {
        if (c.op == Op::Print || seen++ < skip)
            continue;
        double xs[2] = {c.x1, c.x2}, ys[2] = {c.y1, c.y2};
        if (c.op == Op::Box && qAbs(c.x2 - c.x1) == 50 && qAbs(c.y2 - c.y1) == 50) {
            xs[0] = xs[1] = (c.x1 + c.x2) / 2;
            ys[0] = ys[1] = (c.y1 + c.y2) / 2;
        }
        for (int k = 0; k < 2; ++k) {
            if (xs[k] < X0 - 0.01 || xs[k] > X0 + W + D + 0.01 || ys[k] < Y0 - D - 0.01 ||
                ys[k] > Y0 + H + 0.01) {
                qWarning("outside the frame: (%g, %g)-(%g, %g)", c.x1, c.y1, c.x2, c.y2);
                return false;
            }
        }
    }
    return true;
}

} // namespace kotsu::test
