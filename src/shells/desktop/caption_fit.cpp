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

QSizeF caption_extent(const QFont& font, const QString& text, Qt::Alignment align) {
    const QFontMetricsF metrics(font);
    // The glyphs' outlines, not the metrics' bounding box: that is rounded
    // out to whole pixels, a pixel too wide at sizes between them.
    QPainterPath outline;
    outline.addText(0, 0, font, text);
    const QRectF ink = outline.boundingRect();
    const double advance = metrics.horizontalAdvance(text);
    double width = ink.right() - std::min(0.0, ink.left());  // from the left edge
    if (align & Qt::AlignRight) width = std::max(advance, ink.right()) - ink.left();
    if (align & Qt::AlignHCenter) width = std::max(advance - 2 * ink.left(), 2 * ink.right() - advance);
    return {width, metrics.height()};
}

QFont caption_font(const QFont& laid_out, double zoom, const QString& text, QSizeF room, Qt::Alignment align,
                   const Language& language) {
    QFont font = laid_out;
    CaptionProbe probe = first_caption_probe(laid_out.pointSizeF(), zoom, language);
    while (!probe.done() && !text.isEmpty()) {
        font.setPointSizeF(probe.size);
        const QSizeF need = caption_extent(font, text, align);
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

void fit_caption(QWidget& control, const QFont& laid_out, double zoom, const Language& language) {
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
    control.setFont(caption_font(laid_out, zoom, text, caption_room(control), caption_alignment(control), language));
    control.setProperty(kFittedFor, fitted_for);
}

void refit_caption(QWidget& control, const Language& language) {
    const QVariant laid_out = control.property(kLaidOutFont);
    if (!laid_out.isValid()) return;
    // Most new captions fit the scaled font: then no search runs.
    const QFont font = caption_font(laid_out.value<QFont>(), control.property(kZoom).toDouble(),
                                    caption_text(control), caption_room(control),
                                    caption_alignment(control), language);
    if (font != control.font()) control.setFont(font);
    control.setProperty(kFittedFor, QVariant());
}

}  // namespace af::desktop
