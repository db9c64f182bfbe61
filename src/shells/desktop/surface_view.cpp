#include "shells/desktop/surface_view.h"

#include <QImage>
#include <QPaintEvent>
#include <QPainter>
#include <cmath>

#include "shells/desktop/focus_mark.h"

namespace af::desktop {

SurfaceView::SurfaceView(const Surface& surface, QWidget* parent)
    : QWidget(parent), surface_(surface) {
    setAttribute(Qt::WA_OpaquePaintEvent);  // every pixel comes from the surface
    setFocusPolicy(Qt::TabFocus);
}

QRect SurfaceView::to_logical(const PixelRect& rect) const {
    const double ratio = devicePixelRatioF();
    const int x0 = static_cast<int>(std::floor(rect.x0 / ratio));
    const int y0 = static_cast<int>(std::floor(rect.y0 / ratio));
    const int x1 = static_cast<int>(std::ceil(rect.x1 / ratio));
    const int y1 = static_cast<int>(std::ceil(rect.y1 / ratio));
    return QRect(x0, y0, x1 - x0, y1 - y0);
}

void SurfaceView::show_changed(const PixelRect& changed, bool now) {
    if (changed.empty()) return;
    if (now) {
        repaint(to_logical(changed));
    } else {
        update(to_logical(changed));
    }
}

void SurfaceView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    // Wraps the surface's pixels without a copy; they live as long as the window.
    QImage image(reinterpret_cast<const uchar*>(surface_.screen().data()), surface_.width(),
                 surface_.height(), surface_.width() * 4, QImage::Format_RGB32);
    // One surface pixel to one screen pixel: the surface is drawn at the
    // screen's resolution times the window's zoom, never scaled here.
    image.setDevicePixelRatio(devicePixelRatioF());
    painter.setClipRegion(event->region());
    painter.fillRect(rect(), Qt::white);  // beyond the surface, should the sizes differ by rounding
    painter.drawImage(QPoint(0, 0), image);
    draw_focus_mark(painter, *this, 2);
}

void SurfaceView::focusInEvent(QFocusEvent* event) {
    update();
    QWidget::focusInEvent(event);
}

void SurfaceView::focusOutEvent(QFocusEvent* event) {
    update();
    QWidget::focusOutEvent(event);
}

}  // namespace af::desktop
