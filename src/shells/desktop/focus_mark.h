#pragma once

class QPainter;
class QWidget;

namespace af::desktop {

// A border in the highlight colour along the inside of the widget's edge, while
// it has the focus and the keyboard has been used to move it, as the style
// does for its own controls. It covers no more than the border, so a view's
// picture stays readable.
void draw_focus_mark(QPainter& painter, const QWidget& widget, int width);

}  // namespace af::desktop
