#include "shells/desktop/caption_fit.h"

#include <QAbstractButton>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QLabel>
#include <QPainterPath>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOption>
#include <algorithm>
#include <cmath>

#include "core/model/caption_size.h"

namespace af::desktop {

namespace {

// Where a fitted control keeps its laid-out font and zoom.
constexpr char kLaidOutFont[] = "af_caption_laid_out_font";
constexpr char kZoom[] = "af_caption_zoom";
// What the font in force was fitted for: text, zoom, size, screen and laid-out font.
constexpr char kFittedFor[] = "af_caption_fitted_for";

bool fits(QSizeF need, QSizeF room) {
    // Outlines reaching a tenth of a pixel past the room leave no ink there.
    constexpr double kUnseen = 0.1;
    return need.width() <= room.width() + kUnseen && need.height() <= room.height();
}

QString caption_text(const QWidget& control) {
    if (const auto* label = qobject_cast<const QLabel*>(&control)) return label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(&control)) return button->text();
    if (const auto* group = qobject_cast<const QGroupBox*>(&control)) return group->title();
    return {};
}

QStyleOptionButton button_option(const QAbstractButton& button) {
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = button.text();
    return option;
}

}  // namespace

namespace {

// The width ink at `ink` takes where the alignment puts text `advance` wide.
double aligned_width(const QRectF& ink, double advance, Qt::Alignment align) {
    if (align & Qt::AlignRight) return std::max(advance, ink.right()) - ink.left();
    if (align & Qt::AlignHCenter) return std::max(advance - 2 * ink.left(), 2 * ink.right() - advance);
    return ink.right() - std::min(0.0, ink.left());  // from the left edge
}

// An extent no smaller than the caption's, from the glyphs' metrics alone,
// rounded out to whole pixels: where it fits, the text fits, and the glyphs
// it loads are the ones painting needs next.
QSizeF caption_bound(const QFont& font, const QString& text, Qt::Alignment align) {
    const QFontMetricsF metrics(font);
    return {aligned_width(metrics.boundingRect(text), metrics.horizontalAdvance(text), align), metrics.height()};
}

}  // namespace

QSizeF caption_extent(const QFont& font, const QString& text, Qt::Alignment align) {
    const QFontMetricsF metrics(font);
    // The glyphs' outlines, not the metrics' bounding box: that is rounded
    // out to whole pixels, a pixel too wide at sizes between them.
    QPainterPath outline;
    outline.addText(0, 0, font, text);
    return {aligned_width(outline.boundingRect(), metrics.horizontalAdvance(text), align), metrics.height()};
}

QFont caption_font(const QFont& laid_out, double zoom, const QString& text, QSizeF room, Qt::Alignment align,
                   bool as_laid_out, double dpi) {
    QFont font = laid_out;
    CaptionProbe probe = first_caption_probe(laid_out.pointSizeF(), zoom, as_laid_out, 72.0 / dpi);
    while (!probe.done() && !text.isEmpty()) {
        font.setPointSizeF(probe.size);
        // Most captions fit with room to spare: the glyphs' outlines, dearer
        // to read, are measured only where the bound does not fit.
        QSizeF need = caption_bound(font, text, align);
        if (!fits(need, room)) need = caption_extent(font, text, align);
        const double room_over_need = std::min(room.width() / need.width(), room.height() / need.height());
        probe = next_caption_probe(probe, fits(need, room), room_over_need);
    }
    font.setPointSizeF(probe.size);
    return font;
}

Qt::Alignment caption_alignment(const QWidget& control) {
    if (const auto* label = qobject_cast<const QLabel*>(&control)) return label->alignment();
    if (qobject_cast<const QPushButton*>(&control)) return Qt::AlignCenter;
    return Qt::AlignLeft;  // option buttons after their indicator, group titles from their left
}

QSizeF caption_room(const QWidget& control) {
    const QStyle* style = control.style();
    if (const auto* option = qobject_cast<const QRadioButton*>(&control)) {
        const QStyleOptionButton o = button_option(*option);
        return style->subElementRect(QStyle::SE_RadioButtonContents, &o, option).size();
    }
    if (const auto* button = qobject_cast<const QPushButton*>(&control)) {
        const QStyleOptionButton o = button_option(*button);
        return style->subElementRect(QStyle::SE_PushButtonContents, &o, button).size();
    }
    if (qobject_cast<const QGroupBox*>(&control)) return control.size();  // the title: the width, along the top
    return control.contentsRect().size();
}

void fit_caption(QWidget& control, const QFont& laid_out, double zoom, bool as_laid_out) {
    const QString text = caption_text(control);
    // The window is placed more than once as it opens, mostly at the same zoom
    // and size: a caption fitted for them already keeps its font.
    const QString fitted_for = QString("%1\n%2\n%3x%4@%5\n%6")
                                   .arg(text)
                                   .arg(zoom)
                                   .arg(control.width())
                                   .arg(control.height())
                                   .arg(control.devicePixelRatioF())
                                   .arg(laid_out.key());
    if (control.property(kFittedFor).toString() == fitted_for) return;
    control.setProperty(kLaidOutFont, laid_out);
    control.setProperty(kZoom, zoom);
    control.setFont(caption_font(laid_out, zoom, text, caption_room(control), caption_alignment(control),
                                 as_laid_out, control.logicalDpiY()));
    control.setProperty(kFittedFor, fitted_for);
}

void refit_caption(QWidget& control, bool as_laid_out) {
    const QVariant laid_out = control.property(kLaidOutFont);
    if (!laid_out.isValid()) return;
    // Most new captions fit the scaled font: then no search runs.
    const QFont font = caption_font(laid_out.value<QFont>(), control.property(kZoom).toDouble(),
                                    caption_text(control), caption_room(control),
                                    caption_alignment(control), as_laid_out, control.logicalDpiY());
    if (font != control.font()) control.setFont(font);
    control.setProperty(kFittedFor, QVariant());
}

}  // namespace af::desktop
