// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "graph/Surface.h"
#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <memory>
#include <optional>

namespace kotsu {

// Draws on a backing image, so the window repaints what was drawn.
class PainterSurface : public Surface {
public:
    explicit PainterSurface(QSize pixels);

    void setForeColor(quint32 bgr) override { colour_ = bgr; }
    void setScaleMode(int mode) override { scaleMode_ = mode; }
    void setFontSize(double points) override;
    void print(const QString& text) override;
    double textWidth(const QString& text) const override;
    double textHeight(const QString& text) const override;
    double scaleWidth() const override { return unit(image_.width()); }
    double scaleHeight() const override { return unit(image_.height()); }
    void line(double x1, double y1, double x2, double y2) override;
    void box(double x1, double y1, double x2, double y2) override;
    void clear() override;

    // The drawing so far: a painter still open on it is closed first.
    const QImage& image() const;
    static QColor toColor(quint32 bgr);

private:
    double px(double v) const { return scaleMode_ == Twips ? v / 15.0 : v; }
    double unit(double pixels) const { return scaleMode_ == Twips ? pixels * 15.0 : pixels; }
    // One painter for a whole chart: opening one per primitive cost more than the drawing.
    QPainter& painter();
    const QFontMetricsF& metrics() const;

    QImage image_;
    mutable std::unique_ptr<QPainter> painter_;
    QFont font_;
    mutable std::optional<QFontMetricsF> metrics_;
    // The box filled last, while nothing else has been drawn since.
    QRect lastBox_;
    quint32 lastBoxColour_ = 0;
    quint32 colour_ = 0;
    int scaleMode_ = Pixels;
};

} // namespace kotsu
