#pragma once

#include <QFont>
#include <QSizeF>
#include <QString>

class QWidget;

namespace af::desktop {

// The font a caption is shown in at a zoom: the laid-out font scaled by the
// zoom, or, where the text would not fit the room in it, the largest size
// that does. Text is hinted to whole pixels, so a scaled font is not always
// as much wider as its box. At zoom 1 the laid-out font, always, for the
// layout's own captions; a translation is fitted there too. Qt shows a font
// in whole pixels at `dpi` (the screen's logical dots per inch), the
// nearest to its size, so the search goes in those steps.
QFont caption_font(const QFont& laid_out, double zoom, const QString& text, QSizeF room,
                   Qt::Alignment align = Qt::AlignLeft, bool as_laid_out = true, double dpi = 96);

// Width and height a caption's text takes in a font, aligned so in its box:
// the width its ink needs where the alignment puts it (a trailing blank may
// stick out, ink may not), by the font's line height.
QSizeF caption_extent(const QFont& font, const QString& text, Qt::Alignment align);

// How a control aligns its caption across its room.
Qt::Alignment caption_alignment(const QWidget& control);

// The room a control (label, push button, option button or group) gives its
// caption, as its style lays out the control at its present size.
QSizeF caption_room(const QWidget& control);

// Gives the control the font for its caption at the zoom (`as_laid_out`: it
// shows the text the layout was made for), and keeps the laid-out font so
// that refit_caption can fit a caption set later.
void fit_caption(QWidget& control, const QFont& laid_out, double zoom, bool as_laid_out = true);

// Fits a caption that has just changed, at the zoom last fitted. Cheap when
// the control has never been fitted or the text fits in the scaled font.
void refit_caption(QWidget& control, bool as_laid_out = true);

}  // namespace af::desktop
