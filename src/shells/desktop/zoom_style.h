#pragma once

#include <QProxyStyle>

namespace af::desktop {

// Fusion scaled by the window's zoom. The layout's boxes grow and shrink with
// the zoom, but Fusion sizes radio indicators, spin arrows, borders and focus
// marks for the screen alone; this style scales its metrics and draws those
// parts as at the laid-out size, scaled, so that every control keeps its
// laid-out proportions. Set it on the window's controls, never app-wide.
class ZoomStyle : public QProxyStyle {
    Q_OBJECT
public:
    explicit ZoomStyle(QObject* owner);

    double zoom() const { return zoom_; }
    // The controls drawn with it are not repainted: they are resized anyway.
    void set_zoom(double zoom) { zoom_ = zoom; }

    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    // A group's title area as wide as the title's advance or ink: Fusion
    // clips the title to its ink's width counted from the origin, cutting
    // off what the first glyph's bearing shifts right. A group whose title is
    // set right to left keeps its parts where they are laid out.
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                         const QWidget* widget = nullptr) const override;

private:
    QRect widened_rect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                             const QWidget* widget) const;
    template <class Option>
    bool draw_scaled(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const;
    void draw_arrow(PrimitiveElement element, const QStyleOption* option, QPainter* painter) const;
    void draw_group_frame(const QStyleOption* option, QPainter* painter, const QWidget* widget) const;

    double zoom_ = 1.0;
    // While a part is drawn at the laid-out size, the metrics it reads are too.
    mutable bool laid_out_ = false;
};

// A length in pixels at the laid-out size, as the widget's style shows it
// now: scaled by the zoom where the widget is drawn with a ZoomStyle, never
// less than one pixel.
int zoomed(const QWidget& widget, int px);
// A rectangle laid out inside the widget, its edges scaled so.
QRect zoomed(const QWidget& widget, QRect laid_out);
// The widget's own rectangle at the laid-out size.
QRect laid_out_rect(const QWidget& widget);

}  // namespace af::desktop
