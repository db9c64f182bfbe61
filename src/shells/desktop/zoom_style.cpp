#include "shells/desktop/zoom_style.h"

#include <QPainter>
#include <QPolygonF>
#include <QStyleFactory>
#include <QStyleOption>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace af::desktop {

namespace {

// Fusion's arrow as it draws it at the screen's scale: at most 8 pixels wide
// and 8/14 of its width high; at the laid-out size a spin half is smaller,
// so there the arrow is as wide as the half is high.
constexpr int kArrowMost = 8;
constexpr int kArrowWidth = 14;
constexpr int kArrowHeight = 8;
constexpr int kArrowAlpha = 160;
// Fusion's room between a group's title and its frame line.
constexpr int kGroupFrameGap = 3;

bool is_arrow(QStyle::PrimitiveElement element) {
    return element == QStyle::PE_IndicatorArrowUp || element == QStyle::PE_IndicatorArrowDown ||
           element == QStyle::PE_IndicatorArrowLeft || element == QStyle::PE_IndicatorArrowRight;
}

int at_zoom(int px, double zoom) {
    const int scaled = static_cast<int>(std::lround(px * zoom));
    return px > 0 ? std::max(1, scaled) : scaled;
}

// A length on screen as it was at the laid-out size.
int laid_out(int px, double zoom) { return std::max(1, static_cast<int>(std::lround(px / zoom))); }

}  // namespace

ZoomStyle::ZoomStyle(QObject* owner) : QProxyStyle(QStyleFactory::create("Fusion")) { setParent(owner); }

int ZoomStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const {
    const int px = QProxyStyle::pixelMetric(metric, option, widget);
    return laid_out_ ? px : at_zoom(px, zoom_);
}

void ZoomStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                              const QWidget* widget) const {
    // Arrows at every zoom: Fusion draws them through a pixmap whose size a
    // fractional screen scale rounds down.
    if (is_arrow(element) && option && !laid_out_) return draw_arrow(element, option, painter);
    if (element == PE_FrameGroupBox && zoom_ != 1.0 && option && !laid_out_) return draw_group_frame(option, painter, widget);
    if (zoom_ != 1.0 && option && !laid_out_) {
        switch (element) {
        case PE_PanelButtonBevel:
        case PE_FrameButtonBevel:
        case PE_PanelButtonCommand:
        case PE_FrameDefaultButton:
        case PE_IndicatorRadioButton:
            if (draw_scaled<QStyleOptionButton>(element, option, painter, widget)) return;
            break;
        case PE_FrameFocusRect:
            if (draw_scaled<QStyleOptionFocusRect>(element, option, painter, widget)) return;
            break;
        default:
            break;
        }
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

QRect ZoomStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                                const QWidget* widget) const {
    const auto* group = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
    if (control != CC_GroupBox || !group || option->direction != Qt::RightToLeft) {
        return widened_rect(control, option, part, widget);
    }
    // A title set right to left keeps its place at the left, as laid out.
    QStyleOptionGroupBox left_to_right = *group;
    left_to_right.direction = Qt::LeftToRight;
    return widened_rect(control, &left_to_right, part, widget);
}

QRect ZoomStyle::widened_rect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                                    const QWidget* widget) const {
    QRect rect = QProxyStyle::subControlRect(control, option, part, widget);
    const auto* group = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
    if (control != CC_GroupBox || part != SC_GroupBoxLabel || !group || group->text.isEmpty()) return rect;
    const QRect ink = option->fontMetrics.boundingRect(group->text);
    const int advance = option->fontMetrics.horizontalAdvance(group->text);
    rect.setWidth(std::max({rect.width(), ink.x() + ink.width() + 1, advance + 1}));
    return rect.intersected(option->rect);
}

// The part drawn at its laid-out size and scaled onto its rectangle, so that
// its lines and curves keep their share of it.
template <class Option>
bool ZoomStyle::draw_scaled(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                            const QWidget* widget) const {
    const auto* typed = qstyleoption_cast<const Option*>(option);
    if (!typed || option->rect.isEmpty()) return false;
    Option small = *typed;
    const QRect r = option->rect;
    small.rect = QRect(0, 0, laid_out(r.width(), zoom_), laid_out(r.height(), zoom_));
    painter->save();
    painter->translate(r.topLeft());
    painter->scale(double(r.width()) / small.rect.width(), double(r.height()) / small.rect.height());
    laid_out_ = true;
    QProxyStyle::drawPrimitive(element, &small, painter, widget);
    laid_out_ = false;
    painter->restore();
    return true;
}

// Fusion puts a group's frame line max(radio indicator height, title font
// height) + 3 pixels down, with the indicator's height and the 3 at the
// screen's scale alone: below zoom 1 they outweigh the shrunken title and
// push the line into the first option. Here both are at the zoom, so the
// line keeps its place above the options as laid out (rounded up, never
// further into them).
void ZoomStyle::draw_group_frame(const QStyleOption* option, QPainter* painter, const QWidget* widget) const {
    const int indicator = baseStyle()->pixelMetric(PM_ExclusiveIndicatorHeight, nullptr, widget);
    const int title = option->fontMetrics.height();
    const int fusion = std::max(indicator, title) + kGroupFrameGap;
    const int wanted = static_cast<int>(std::floor(std::max(indicator * zoom_, double(title)) + kGroupFrameGap * zoom_));
    QStyleOption moved = *option;
    moved.rect.setTop(option->rect.top() + wanted - fusion);
    QProxyStyle::drawPrimitive(PE_FrameGroupBox, &moved, painter, widget);
}

// Fusion's arrow has a fixed largest size, which scaling would blur; drawn
// here at its laid-out size times the zoom, in Fusion's colour.
void ZoomStyle::draw_arrow(PrimitiveElement element, const QStyleOption* option, QPainter* painter) const {
    const QRect r = option->rect;
    // The rectangle's edges, not its sides, taken back to the laid-out size:
    // controls place their parts by edges scaled from there.
    const auto laid_out_span = [this](int from, int to) {
        return std::max(1, static_cast<int>(std::lround(to / zoom_) - std::lround(from / zoom_)));
    };
    const int size = std::min({kArrowMost, laid_out_span(r.left(), r.right() + 1), laid_out_span(r.top(), r.bottom() + 1)});
    const double across = size * zoom_;
    const double along = (kArrowHeight * size / kArrowWidth) * zoom_;
    const bool sideways = element == PE_IndicatorArrowLeft || element == PE_IndicatorArrowRight;
    QRectF box(0, 0, sideways ? along : across, sideways ? across : along);
    box.moveCenter(QRectF(r).center());
    QPolygonF triangle;
    switch (element) {
    case PE_IndicatorArrowDown:
        triangle << box.topLeft() << box.topRight() << QPointF(box.center().x(), box.bottom());
        break;
    case PE_IndicatorArrowRight:
        triangle << box.topLeft() << box.bottomLeft() << QPointF(box.right(), box.center().y());
        break;
    case PE_IndicatorArrowLeft:
        triangle << box.topRight() << box.bottomRight() << QPointF(box.left(), box.center().y());
        break;
    default:
        triangle << box.bottomLeft() << box.bottomRight() << QPointF(box.center().x(), box.top());
        break;
    }
    QColor colour = option->palette.windowText().color();
    colour.setAlpha(kArrowAlpha);
    painter->save();
    painter->setPen(Qt::NoPen);
    painter->setBrush(colour);
    painter->setRenderHint(QPainter::Antialiasing);
    painter->drawPolygon(triangle);
    painter->restore();
}

int zoomed(const QWidget& widget, int px) {
    const auto* style = qobject_cast<const ZoomStyle*>(widget.style());
    return style ? at_zoom(px, style->zoom()) : px;
}

QRect zoomed(const QWidget& widget, QRect laid_out) {
    const auto* style = qobject_cast<const ZoomStyle*>(widget.style());
    if (!style) return laid_out;
    const auto at = [z = style->zoom()](int edge) { return static_cast<int>(std::lround(edge * z)); };
    return QRect(QPoint(at(laid_out.left()), at(laid_out.top())),
                 QPoint(at(laid_out.right() + 1) - 1, at(laid_out.bottom() + 1) - 1));
}

QRect laid_out_rect(const QWidget& widget) {
    const auto* style = qobject_cast<const ZoomStyle*>(widget.style());
    if (!style) return widget.rect();
    return QRect(0, 0, laid_out(widget.width(), style->zoom()), laid_out(widget.height(), style->zoom()));
}

}  // namespace af::desktop
