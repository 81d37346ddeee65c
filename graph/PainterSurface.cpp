#include "graph/PainterSurface.h"
#include "ui/Fonts.h"
#include <QFontMetricsF>
#include <QPainter>

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

void PainterSurface::setFontSize(double points) {
    font_.setPointSizeF(points);
}

void PainterSurface::clear() {
    image_.fill(QColor(0xEF, 0xEF, 0xEF));
}

void PainterSurface::print(const QString& text) {
    QPainter p(&image_);
    p.setFont(font_);
    p.setPen(toColor(colour_));
    const QFontMetricsF m(font_, &image_);
    p.drawText(QPointF(px(CurrentX), px(CurrentY) + m.ascent()), text);
    CurrentY += unit(m.height());
}

double PainterSurface::textWidth(const QString& text) const {
    return unit(QFontMetricsF(font_, &image_).horizontalAdvance(text));
}

double PainterSurface::textHeight(const QString&) const {
    return unit(QFontMetricsF(font_, &image_).height());
}

void PainterSurface::line(double x1, double y1, double x2, double y2) {
    QPainter p(&image_);
    p.setPen(QPen(toColor(colour_), 0));
    p.drawLine(QPointF(px(x1), px(y1)), QPointF(px(x2), px(y2)));
}

void PainterSurface::box(double x1, double y1, double x2, double y2) {
    QPainter p(&image_);
    const QColor c = toColor(colour_);
    const QRectF r = QRectF(QPointF(px(x1), px(y1)), QPointF(px(x2), px(y2))).normalized();
    // A box thinner than a pixel still shows, as the old runtime drew at least one.
    p.fillRect(QRectF(r.topLeft(), QSizeF(qMax(r.width(), 1.0), qMax(r.height(), 1.0))), c);
}

} // namespace kotsu
