// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/RecordingSurface.h"

namespace kotsu::test {

void RecordingSurface::print(const QString& text) {
    calls.append({Op::Print, CurrentX, CurrentY, CurrentX, CurrentY, colour_, text});
}

double RecordingSurface::textWidth(const QString& text) const {
    return inUnit(CharWidth * text.size());
}

double RecordingSurface::textHeight(const QString&) const {
    return inUnit(CharHeight);
}

void RecordingSurface::line(double x1, double y1, double x2, double y2) {
    calls.append({Op::Line, x1, y1, x2, y2, colour_, {}});
}

void RecordingSurface::box(double x1, double y1, double x2, double y2) {
    calls.append({Op::Box, x1, y1, x2, y2, colour_, {}});
}

QList<RecordingSurface::Call> RecordingSurface::of(Op op) const {
    QList<Call> out;
    for (const Call& c : calls)
        if (c.op == op)
            out << c;
    return out;
}

} // namespace kotsu::test
