// Every caption whole in its box and every indicator in proportion, from
// half to five times the laid-out size and in every language, with the two
// made for tests (every message half as long again, and right to left); ctest
// runs it at several screen scales. Where text goes is worked out here from
// the font's metrics, not asked of the code that fits it.
#include <QAbstractButton>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOption>
#include <QtTest>
#include <cmath>

#include "core/language/choose_language.h"
#include "core/model/layout.h"
#include "core/model/window_fit.h"
#include "shells/desktop/application.h"
#include "shells/desktop/main_window.h"

using af::desktop::MainWindow;

namespace {

// The languages made for the tests alone (linked into this test only).
const QString kLengthened = "en-XA";
const QString kRightToLeft = "en-XB";

// The pixels a caption's text covers where its control draws it, and the
// box they must stay in; in logical pixels.
struct Placed {
    QRectF ink;
    QRectF box;
};

// Draws the text as a style draws a control's caption, onto a blank image
// with room all round, and gives the extent of every pixel it touched.
QRectF drawn_ink(const QFont& font, const QString& text, const QRect& area, int flags, double dpr,
                 Qt::LayoutDirection direction) {
    const int margin = area.height() + 8;
    QImage image((QSizeF(area.size().grownBy({margin, margin, margin, margin})) * dpr).toSize(), QImage::Format_RGB32);
    image.setDevicePixelRatio(dpr);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setLayoutDirection(direction);
    painter.setFont(font);
    painter.setPen(Qt::black);
    // Styles clip text to the rectangle they draw it in; here it may spill, to be seen.
    painter.drawText(QRect(QPoint(margin, margin), area.size()), flags | Qt::TextDontClip, text);
    painter.end();
    int left = image.width(), right = -1, top = image.height(), bottom = -1;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) == 255) continue;
            left = std::min(left, x), right = std::max(right, x), top = std::min(top, y), bottom = std::max(bottom, y);
        }
    }
    if (right < 0) return {};
    return QRectF(left / dpr, top / dpr, (right + 1 - left) / dpr, (bottom + 1 - top) / dpr)
        .translated(area.left() - margin, area.top() - margin);
}

QStyleOptionButton button_option(const QAbstractButton* button, const QFont& font) {
    QStyleOptionButton option;
    option.initFrom(button);
    option.fontMetrics = QFontMetrics(font);
    option.text = button->text();
    return option;
}

// Where the control would draw its caption in `font`.
Placed placed(const QWidget* w, const QFont& font) {
    const double dpr = w->devicePixelRatioF();
    const QStyle* style = w->style();
    if (const auto* label = qobject_cast<const QLabel*>(w)) {
        const QRect box = label->contentsRect();
        return {drawn_ink(font, label->text(), box, int(QStyle::visualAlignment(w->layoutDirection(), label->alignment())), dpr,
                          w->layoutDirection()), box};
    }
    if (const auto* option = qobject_cast<const QRadioButton*>(w)) {
        const QStyleOptionButton o = button_option(option, font);
        const QRect indicator = style->subElementRect(QStyle::SE_RadioButtonIndicator, &o, option);
        const QRect text = style->subElementRect(QStyle::SE_RadioButtonContents, &o, option);
        const QRect box(indicator.right() + 1, 0, w->width() - indicator.right() - 1, w->height());
        return {drawn_ink(font, option->text(), text, Qt::AlignLeft | Qt::AlignVCenter, dpr, w->layoutDirection()), box};
    }
    if (const auto* button = qobject_cast<const QPushButton*>(w)) {
        const QStyleOptionButton o = button_option(button, font);
        const QRect box = style->subElementRect(QStyle::SE_PushButtonContents, &o, button);
        return {drawn_ink(font, button->text(), box, Qt::AlignCenter, dpr, w->layoutDirection()), box};
    }
    const auto* group = qobject_cast<const QGroupBox*>(w);
    QStyleOptionGroupBox o;
    o.initFrom(group);
    o.fontMetrics = QFontMetrics(font);
    o.text = group->title();
    o.textAlignment = group->alignment();
    o.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    // The title is drawn from the top left of its area and clipped to it.
    const QRect title = style->subControlRect(QStyle::CC_GroupBox, &o, QStyle::SC_GroupBoxLabel, group);
    return {drawn_ink(font, group->title(), title, Qt::AlignLeft | Qt::AlignTop, dpr, w->layoutDirection()),
            title.intersected(w->rect())};
}

// At a fractional scale a box's edge may fall inside a device pixel, which
// its neighbour then shares.
bool inside(const Placed& p, double dpr, bool strictly = false) {
    const double slack = strictly || dpr == std::floor(dpr) ? 1e-9 : 1 / dpr;
    return p.ink.left() >= p.box.left() - slack && p.ink.right() <= p.box.right() + slack &&
           p.ink.top() >= p.box.top() - slack && p.ink.bottom() <= p.box.bottom() + slack;
}

QString text_of(const QWidget* w) {
    if (const auto* label = qobject_cast<const QLabel*>(w)) return label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(w)) return button->text();
    if (const auto* group = qobject_cast<const QGroupBox*>(w)) return group->title();
    return {};
}

QString describe(const QRectF& r) {
    return QString("(%1,%2 %3x%4)").arg(r.x(), 0, 'f', 2).arg(r.y(), 0, 'f', 2).arg(r.width(), 0, 'f', 2).arg(r.height(), 0, 'f', 2);
}

// The area, in logical pixels, of the arrow in one half of a spin control:
// how much darker than the bevel's face its pixels are, against the darkening
// of a fully covered pixel (black at 160/255), inside the bevel's lines.
double arrow_area(QWidget* spin, bool upper, double zoom) {
    const QImage image = spin->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const double dpr = image.devicePixelRatio();
    const int half = spin->height() / 2;
    const double top = (upper ? 0 : half) + 2 * zoom, bottom = (upper ? half : spin->height()) - 2 * zoom;
    const double left = 3 * zoom, right = spin->width() - 3 * zoom;
    const int y0 = int(std::ceil(top * dpr)), y1 = int(std::floor(bottom * dpr));
    const int x0 = int(std::ceil(left * dpr)), x1 = int(std::floor(right * dpr));
    int face = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) face = std::max(face, qGray(image.pixel(x, y)));
    double covered = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) covered += std::max(0, face - qGray(image.pixel(x, y)));
    return covered / (face * 160.0 / 255.0) / (dpr * dpr);
}

QRect indicator(const QRadioButton* option) {
    const QStyleOptionButton o = button_option(option, option->font());
    return option->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &o, option);
}

// The first row of an option group's frame line, in the group's logical
// pixels: the first row, down a column near its right edge (clear of the
// title), whose pixel differs from the background above the group.
double frame_top(QGroupBox* group, double zoom) {
    const QImage image = group->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const double dpr = image.devicePixelRatio();
    const int x = int(std::floor((group->width() - 5 * zoom) * dpr));
    const int background = qGray(image.pixel(x, 0));
    for (int y = 1; y < image.height(); ++y) {
        if (std::abs(qGray(image.pixel(x, y)) - background) > 12) return y / dpr;
    }
    return -1;
}

// The first row, in logical pixels, on which a widget draws anything.
double ink_top(QWidget* widget) {
    const QImage image = widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRgb background = image.pixel(image.width() - 1, image.height() - 1);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (std::abs(qGray(image.pixel(x, y)) - qGray(background)) > 12) return y / image.devicePixelRatio();
        }
    }
    return -1;
}

// The window resized to show the layout at a zoom of its start-up size.
// The outer size start-up asks for, in logical pixels.
QSize outer_at_start() {
    const af::Size outer = af::outer_size_at_start();
    return {outer.width, outer.height};
}

void zoom_to(MainWindow& w, QSize start, double zoom) {
    const QSize size(int(std::lround(start.width() * zoom)), int(std::lround(start.height() * zoom)));
    w.resize(size);
    QTRY_COMPARE(w.size(), size);
}

}  // namespace

class CaptionFitTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { af::desktop::prepare_application(); }

    void every_caption_whole_every_indicator_in_proportion_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<double>("zoom");
        // The time after three steps of 0.005, as the language writes it.
        QTest::addColumn<QString>("time");
        for (const double zoom : {0.5, 0.75, 1.0, 1.5, 2.0, 3.14, 5.0}) {
            QTest::addRow("en zoom %g", zoom) << "en" << zoom << "0.015";
        }
        // Every other language the program speaks, and the two made for the test.
        for (const af::Language& l : af::available_languages()) {
            const QString tag = QString::fromUtf8(l.tag().data(), qsizetype(l.tag().size()));
            if (l.is_layouts_own()) continue;
            for (const double zoom : {0.5, 1.0, 3.0}) {
                QTest::addRow("%s zoom %g", qPrintable(tag), zoom) << tag << zoom << QString::fromStdString(l.numeral("0.015"));
            }
        }
    }

    void every_caption_whole_every_indicator_in_proportion() {
        QFETCH(QString, language);
        QFETCH(double, zoom);
        QFETCH(QString, time);
        const std::string tag = language.toStdString();
        const af::Language chosen = af::choose_language(std::vector{tag});
        QCOMPARE(QString::fromUtf8(chosen.tag().data(), chosen.tag().size()), language);
        MainWindow w({}, chosen);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QTest::qWait(50);  // the window system's answer to the start-up size
        // The outer size start-up asks for, frame included.
        const QSize start = outer_at_start() - (w.frameGeometry().size() - w.size());
        zoom_to(w, start, 1.0);
        QCOMPARE(w.zoom(), 1.0);
        auto* option = w.findChild<QRadioButton*>("time_step_0.005");
        auto* spin = w.findChild<QWidget*>("time_spin");
        const QSize indicator_1 = indicator(option).size();
        // A translated caption is never set smaller than three quarters of its
        // laid-out size at zoom 1: one that would need more is too long. The
        // language made half as long again only shrinks, and is never cut.
        for (QWidget* c : w.findChildren<QWidget*>()) {
            if (language == kLengthened) break;
            const af::ControlSpec* row = af::layout_control(c->objectName().toStdString());
            if (!row || !row->font || text_of(c).isEmpty()) continue;
            QVERIFY2(c->font().pointSizeF() >= 0.75 * row->font->points - 1e-9,
                     qPrintable(QString("%1 \"%2\" at %3pt of %4pt").arg(c->objectName(), text_of(c))
                                    .arg(c->font().pointSizeF()).arg(row->font->points)));
        }
        const double arrows_1[2] = {arrow_area(spin, true, 1), arrow_area(spin, false, 1)};
        QVERIFY2(arrows_1[0] > 4 && arrows_1[1] > 4, qPrintable(QString("%1 %2").arg(arrows_1[0]).arg(arrows_1[1])));

        zoom_to(w, start, zoom);
        const double z = w.zoom();  // the window limits the views' pixels: at scale 2, to 4
        QVERIFY2(std::abs(z - std::min(zoom, 8 / w.devicePixelRatioF())) < 0.01, qPrintable(QString::number(z)));
        // A caption that changes at run time: the time after three steps of 0.005.
        QTest::mouseClick(option, Qt::LeftButton);
        for (int k = 0; k < 3; ++k) QTest::mouseClick(spin, Qt::LeftButton, {}, QPoint(spin->width() / 2, spin->height() / 4));
        if (!time.isEmpty()) QCOMPARE(w.findChild<QLabel*>("time_value")->text(), time);

        // The symbols' texts as the English window shows them (a label the
        // acts write shows a value, and is fitted in every translation).
        QHash<QString, QString> english;
        if (z == 1.0 && language != "en") {
            MainWindow e({}, af::choose_language(std::vector<std::string>{"en"}));
            for (QWidget* c : e.findChildren<QWidget*>()) {
                const af::ControlSpec* row = af::layout_control(c->objectName().toStdString());
                if (row && row->shows == af::Shows::Caption && qobject_cast<QLabel*>(c)) english.insert(c->objectName(), text_of(c));
            }
        }
        int captions = 0;
        for (QWidget* c : w.findChildren<QWidget*>()) {
            const QString text = text_of(c);
            if (text.isEmpty()) continue;
            ++captions;
            // At zoom 1 the layout's own captions stay as laid out, where the
            // italic "r1=" and the "ω1=" already reach a fraction of a pixel
            // past their boxes, and so do those symbols in a translation,
            // which shows them as English does; its words are fitted there too.
            if (z == 1.0 && (language == "en" || (english.contains(c->objectName()) && english.value(c->objectName()) == text))) continue;
            const Placed p = placed(c, c->font());
            QVERIFY2(inside(p, c->devicePixelRatioF()), qPrintable(QString("%1 \"%2\" at %3pt: ink %4 outside %5")
                                               .arg(c->objectName(), text).arg(c->font().pointSizeF())
                                               .arg(describe(p.ink), describe(p.box))));
            // Smaller than scaled only where that would not fit, and then
            // about the largest size that fits: the fit measures outlines,
            // which hinting may draw a little narrower.
            const af::ControlSpec* row = af::layout_control(c->objectName().toStdString());
            QVERIFY2(row && row->font, qPrintable(c->objectName()));
            const double scaled = row->font->points * z;
            const double points = c->font().pointSizeF();
            QVERIFY2(points <= scaled + 1e-9, qPrintable(QString("%1 at %2pt of %3pt").arg(c->objectName()).arg(points).arg(scaled)));
            if (points < scaled - 1e-9) {
                QFont larger = c->font();
                larger.setPointSizeF(std::min(scaled, points * 1.05));
                // The caption's whole line must fit its box too, so that no
                // glyph reaching the font's ascent or descent is cut.
                const Placed at_larger = placed(c, larger);
                const bool line_fits = QFontMetricsF(larger).height() <= at_larger.box.height() + 1e-9;
                QVERIFY2(!line_fits || !inside(at_larger, c->devicePixelRatioF(), true),
                         qPrintable(QString("%1 at %2pt of %3pt").arg(c->objectName()).arg(points).arg(scaled)));
            }
        }
        QCOMPARE(captions, 27);

        for (QRadioButton* r : w.findChildren<QRadioButton*>()) {
            const QSize size = indicator(r).size();
            QVERIFY2(std::abs(size.width() - indicator_1.width() * z) <= 1 && std::abs(size.height() - indicator_1.height() * z) <= 1,
                     qPrintable(QString("%1: %2x%3").arg(r->objectName()).arg(size.width()).arg(size.height())));
        }
        for (const bool upper : {true, false}) {
            const double side = std::sqrt(arrow_area(spin, upper, z)), side_1 = std::sqrt(arrows_1[upper ? 0 : 1]);
            QVERIFY2(std::abs(side - side_1 * z) <= 1,
                     qPrintable(QString("%1 arrow %2 px across, %3 at zoom 1").arg(upper ? "up" : "down").arg(side).arg(side_1)));
        }
    }

    // Words set right to left, numbers and symbols as they are, and no
    // control moved or turned round inside: the boxes of the English window,
    // a group's title at its left, an option's indicator before its number.
    void right_to_left_words_keep_their_places_data() {
        QTest::addColumn<QString>("language");
        QTest::addRow("ar") << "ar";
        QTest::addRow("%s", qPrintable(kRightToLeft)) << kRightToLeft;
    }

    void right_to_left_words_keep_their_places() {
        QFETCH(QString, language);
        const af::Language chosen = af::choose_language(std::vector{language.toStdString()});
        QVERIFY(chosen.right_to_left());
        MainWindow english, turned({}, chosen);
        for (MainWindow* w : {&english, &turned}) {
            w->show();
            QVERIFY(QTest::qWaitForWindowExposed(w));
        }
        QTest::qWait(50);
        QCOMPARE(turned.size(), english.size());
        int words = 0;
        for (QWidget* c : turned.findChildren<QWidget*>()) {
            const af::ControlSpec* row = af::layout_control(c->objectName().toStdString());
            if (!row) continue;
            QCOMPARE(c->geometry(), english.findChild<QWidget*>(c->objectName())->geometry());
            const bool rtl = c->layoutDirection() == Qt::RightToLeft;
            words += rtl;
            const bool expected = row->kind == af::ControlKind::PushButton || (row->kind == af::ControlKind::Group && !row->caption.empty()) ||
                                  c->objectName().startsWith("axis_label");
            QVERIFY2(rtl == expected, qPrintable(c->objectName()));
        }
        QCOMPARE(words, 6);  // two buttons, two group titles, two time axes
        for (const char* name : {"time_step_group", "omega_step_group"}) {
            auto* group = turned.findChild<QGroupBox*>(name);
            const Placed title = placed(group, group->font());
            auto* laid_out = english.findChild<QGroupBox*>(name);
            const Placed english_title = placed(laid_out, laid_out->font());
            // A few pixels for the glyphs' own bearings; turned round, it would stand some 20 further right.
            QVERIFY2(title.ink.left() <= english_title.ink.left() + 4, qPrintable(describe(title.ink) + describe(english_title.ink)));
        }
        for (auto* option : turned.findChildren<QRadioButton*>()) {
            QVERIFY2(indicator(option).right() < placed(option, option->font()).ink.left(), qPrintable(option->objectName()));
        }
        // The time axis's caption stays at the right end of its box (but for
        // the blank where a sign would go, which reads first, at the right).
        auto* axis = turned.findChild<QLabel*>("axis_label_1");
        const Placed at_end = placed(axis, axis->font());
        const double blank = QFontMetricsF(axis->font()).horizontalAdvance(' ');
        QVERIFY2(at_end.ink.right() > at_end.box.right() - blank - 2, qPrintable(describe(at_end.ink) + describe(at_end.box)));
    }

    // An option group's frame line runs above its first option at every
    // zoom as at the laid-out size, where it meets the top of the option's
    // indicator and passes above its caption: no deeper into the option than
    // that depth scaled, and above the caption's ink.
    void group_frame_above_first_option_data() {
        QTest::addColumn<double>("zoom");
        for (const double zoom : {0.5, 0.67, 0.75, 0.8, 0.9, 1.25, 2.0, 3.0}) QTest::addRow("zoom %g", zoom) << zoom;
    }

    void group_frame_above_first_option() {
        QFETCH(double, zoom);
        MainWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QTest::qWait(50);
        const QSize start = outer_at_start() - (w.frameGeometry().size() - w.size());
        struct Depth {
            double into_option;  // from the option's first drawn row down to the line
            double above_caption;  // from the line down to the caption's ink
        };
        const auto depth = [&w](const char* group_name, const char* option_name) {
            auto* group = w.findChild<QGroupBox*>(group_name);
            auto* option = w.findChild<QRadioButton*>(option_name);
            const double top = option->mapTo(group, QPoint(0, 0)).y();
            const double line = frame_top(group, w.zoom());
            return Depth{line - (top + ink_top(option)), top + placed(option, option->font()).ink.top() - line};
        };
        const std::pair<const char*, const char*> groups[] = {{"time_step_group", "time_step_0.01"}, {"omega_step_group", "omega_step_1"}};
        zoom_to(w, start, 1.0);
        QCOMPARE(w.zoom(), 1.0);
        Depth laid_out[2];
        for (int k = 0; k < 2; ++k) laid_out[k] = depth(groups[k].first, groups[k].second);
        zoom_to(w, start, zoom);
        const double z = w.zoom();
        for (int k = 0; k < 2; ++k) {
            const Depth d = depth(groups[k].first, groups[k].second);
            const QString seen = QString("%1 at zoom %2: the line %3 px into the option, %4 px above its caption; at zoom 1 %5 and %6")
                                     .arg(groups[k].first).arg(z).arg(d.into_option).arg(d.above_caption)
                                     .arg(laid_out[k].into_option).arg(laid_out[k].above_caption);
            QVERIFY2(laid_out[k].above_caption > 0, qPrintable(seen));
            QVERIFY2(d.into_option <= laid_out[k].into_option * z + 1, qPrintable(seen));
            QVERIFY2(d.above_caption > 0, qPrintable(seen));
        }
    }
};

QTEST_MAIN(CaptionFitTest)
#include "caption_fit_test.moc"
