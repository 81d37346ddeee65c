// SPDX-License-Identifier: GPL-3.0-or-later
#include "graph/PainterSurface.h"
#include "ui/Fonts.h"

namespace kotsu {

PainterSurface::PainterSurface(QSize pixels)
    : image_(pixels, QImage::Format_RGB32), font_(gothicFont(8)) {
    // At 8 points the lighter hinting smears a "." into a ",": full hinting keeps them apart.
    font_.setHintingPreference(QFont::PreferFullHinting);
    clear();
}

QColor PainterSurface::toColor(quint32 bgr) {
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

const QImage& PainterSurface::image() const {
    painter_.reset();
    return image_;
}

QPainter& PainterSurface::painter() {
    if (!painter_)
        painter_ = std::make_unique<QPainter>(&image_);
    return *painter_;
}

const QFontMetricsF& PainterSurface::metrics() const {
    if (!metrics_)
        metrics_.emplace(font_, &image_);
    return *metrics_;
}

void PainterSurface::setFontSize(double points) {
    font_.setPointSizeF(points);
    metrics_.reset();
}

void PainterSurface::clear() {
    painter_.reset();
    lastBox_ = QRect();
    image_.fill(QColor(0xEF, 0xEF, 0xEF));
}

void PainterSurface::print(const QString& text) {
    lastBox_ = QRect();
    QPainter& p = painter();
    p.setFont(font_);
    p.setPen(toColor(colour_));
    const QFontMetricsF& m = metrics();
    p.drawText(QPointF(px(CurrentX), px(CurrentY) + m.ascent()), text);
    CurrentY += unit(m.height());
}

double PainterSurface::textWidth(const QString& text) const {
    return unit(metrics().horizontalAdvance(text));
}

double PainterSurface::textHeight(const QString&) const {
    return unit(metrics().height());
}

void PainterSurface::line(double x1, double y1, double x2, double y2) {
    lastBox_ = QRect();
    QPainter& p = painter();
    p.setPen(QPen(toColor(colour_), 0));
    p.drawLine(QPointF(px(x1), px(y1)), QPointF(px(x2), px(y2)));
}

void PainterSurface::box(double x1, double y1, double x2, double y2) {
    const QRectF r = QRectF(QPointF(px(x1), px(y1)), QPointF(px(x2), px(y2))).normalized();
    // A box thinner than a pixel still shows, as the old runtime drew at least one.
    const QRectF shown(r.topLeft(), QSizeF(qMax(r.width(), 1.0), qMax(r.height(), 1.0)));
    // The pixels an unsmoothed fill covers: each edge rounded, as the raster engine does.
    const QRect pixels(QPoint(qRound(shown.left()), qRound(shown.top())),
                       QPoint(qRound(shown.right()) - 1, qRound(shown.bottom()) - 1));
    // An extruded bar steps its boxes by a twip: most repeat the one just filled.
    if (pixels == lastBox_ && colour_ == lastBoxColour_)
        return;
    painter().fillRect(pixels, toColor(colour_));
    lastBox_ = pixels;
    lastBoxColour_ = colour_;
}

} // namespace kotsu
