// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QList>
#include <QString>

namespace kotsu {

// The drawing operations the charts use, in the units of the scale mode.
class Surface {
public:
    static constexpr int Twips = 1;
    static constexpr int Pixels = 3;

    virtual ~Surface() = default;
    virtual void setForeColor(quint32 bgr) = 0; // 0x00BBGGRR
    virtual void setScaleMode(int mode) = 0;
    virtual void setFontSize(double points) = 0;
    virtual void print(const QString& text) = 0; // at CurrentX, CurrentY (top-left)
    virtual double textWidth(const QString& text) const = 0;
    virtual double textHeight(const QString& text) const = 0;
    // The drawable area, in the current unit.
    virtual double scaleWidth() const = 0;
    virtual double scaleHeight() const = 0;
    virtual void line(double x1, double y1, double x2, double y2) = 0;
    virtual void box(double x1, double y1, double x2, double y2) = 0; // filled and outlined
    virtual void clear() = 0;

    double CurrentX = 0;
    double CurrentY = 0;
};

} // namespace kotsu
