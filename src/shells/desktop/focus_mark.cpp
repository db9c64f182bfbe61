#include "shells/desktop/focus_mark.h"

#include <QPainter>
#include <QPalette>
#include <QWidget>

namespace af::desktop {

void draw_focus_mark(QPainter& painter, const QWidget& widget, int width) {
    if (!widget.hasFocus() || !widget.window()->testAttribute(Qt::WA_KeyboardFocusChange)) return;
    const QColor colour = widget.palette().color(QPalette::Active, QPalette::Highlight);
    painter.save();
    painter.setClipping(false);
    const QRect r = widget.rect();
    painter.fillRect(QRect(r.left(), r.top(), r.width(), width), colour);
    painter.fillRect(QRect(r.left(), r.bottom() - width + 1, r.width(), width), colour);
    painter.fillRect(QRect(r.left(), r.top(), width, r.height()), colour);
    painter.fillRect(QRect(r.right() - width + 1, r.top(), width, r.height()), colour);
    painter.restore();
}

}  // namespace af::desktop
