#pragma once

#include <QWidget>

#include "core/pixels/surface.h"

namespace af::desktop {

// Shows what a drawing surface has on screen, at the surface's own device
// resolution. It handles no input: the picture changes only through acts.
class SurfaceView : public QWidget {
    Q_OBJECT
public:
    SurfaceView(const Surface& surface, QWidget* parent = nullptr);

    // Schedules (or, with now, performs) a repaint of what changed on the surface.
    void show_changed(const PixelRect& changed, bool now);

protected:
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    QRect to_logical(const PixelRect& rect) const;

    const Surface& surface_;
};

}  // namespace af::desktop
