// SPDX-License-Identifier: GPL-3.0-or-later
#include "ledger/JetLike.h"
#include <QList>

namespace kotsu {

namespace {

using Chars = QList<uint>;

// Matches one class starting after '['; returns the index past ']' or -1 when unclosed.
int matchClass(const Chars& p, int at, uint c, bool& matched) {
    int i = at;
    bool negate = false;
    if (i < p.size() && p[i] == '!') {
        negate = true;
        ++i;
    }
    bool hit = false;
    bool first = true;
    for (; i < p.size(); ++i) {
        if (p[i] == ']' && !first)
            break;
        first = false;
        if (i + 2 < p.size() && p[i + 1] == '-' && p[i + 2] != ']') {
            if (c >= p[i] && c <= p[i + 2])
                hit = true;
            i += 2;
        } else if (p[i] == c) {
            hit = true;
        }
    }
    if (i >= p.size())
        return -1;
    matched = hit != negate;
    return i + 1;
}

// Matches one pattern element at p[pi] against c; returns index past it or -1.
int stepOne(const Chars& p, int pi, uint c) {
    const uint e = p[pi];
    if (e == '?')
        return pi + 1;
    if (e == '#')
        return (c >= '0' && c <= '9') ? pi + 1 : -1;
    if (e == '[') {
        bool matched = false;
        const int next = matchClass(p, pi + 1, c, matched);
        if (next < 0)
            return c == '[' ? pi + 1 : -1; // an unclosed bracket stands for itself
        return matched ? next : -1;
    }
    return e == c ? pi + 1 : -1;
}

} // namespace

bool jetLike(const QString& textIn, const QString& patternIn) {
    const Chars t = textIn.toUcs4();
    const Chars p = patternIn.toUcs4();
    int ti = 0, pi = 0;
    int starP = -1, starT = -1;
    while (ti < t.size()) {
        if (pi < p.size() && p[pi] == '*') {
            starP = ++pi;
            starT = ti;
            continue;
        }
        if (pi < p.size()) {
            const int next = stepOne(p, pi, t[ti]);
            if (next >= 0) {
                pi = next;
                ++ti;
                continue;
            }
        }
        if (starP < 0)
            return false;
        pi = starP;
        ti = ++starT;
    }
    while (pi < p.size() && p[pi] == '*')
        ++pi;
    return pi == p.size();
}

} // namespace kotsu
