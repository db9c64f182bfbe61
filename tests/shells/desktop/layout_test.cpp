// The window as laid out: every widget where its layout row puts it, in
// pixels worked out here from the row's twips (15 to a pixel, each child
// placed in its parent), with the row's caption, font, colours and alignment
// as the widget shows them.
#include <QAbstractButton>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QtTest>
#include <algorithm>
#include <cmath>
#include <map>

#include "core/model/layout.h"
#include "shells/desktop/application.h"
#include "shells/desktop/main_window.h"

using af::desktop::MainWindow;

namespace {

// The free fonts that stand in for those the layout names.
const std::map<std::string_view, QString> kStandIns{
    {af::kTimes, "Liberation Serif"},
    {af::kMincho, "IPAMincho"},
    {af::kPMincho, "IPAPMincho"},
    {af::kPGothic, "IPAPGothic"},
};

// What the labels the acts write show once the window is up: the start values.
QString start_caption(const af::ControlSpec& c) {
    switch (c.shows) {
    case af::Shows::Time: return "0";
    case af::Shows::Length: return "10";
    case af::Shows::Frequency: return c.vector == 0 ? "2" : "4";
    case af::Shows::Range: return "15";
    case af::Shows::TimeAxis: return " 1sec";
    default: break;
    }
    // An option shows its step in seconds or in π per second; other controls their caption.
    if (c.kind == af::ControlKind::OptionButton) {
        const double per_unit = c.act->kind == af::Act::Kind::ChooseTimeStep ? 1000 : 10;
        return QString::number(c.act->choice / per_unit);
    }
    return QString::fromUtf8(c.caption.data(), qsizetype(c.caption.size()));
}

int px(int twips) { return static_cast<int>(std::lround(twips / 15.0)); }

QString caption_of(QWidget* w) {
    if (auto* label = qobject_cast<QLabel*>(w)) return label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(w)) return button->text();
    if (auto* group = qobject_cast<QGroupBox*>(w)) return group->title();
    return {};
}

QColor from_bgr(std::uint32_t bgr) { return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF)); }

// The contrast of two colours as the accessibility guidelines define it.
double contrast(const QColor& a, const QColor& b) {
    const auto luminance = [](const QColor& c) {
        const auto linear = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

}  // namespace

class LayoutTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { af::desktop::prepare_application(); }

    void every_control_as_laid_out() {
        MainWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(w.zoom(), 1.0);
        QCOMPARE(w.windowTitle(), QString("Angular Frequency"));
        for (const af::ControlSpec& c : af::window_layout()) {
            const QString name = QString::fromUtf8(c.name.data(), qsizetype(c.name.size()));
            QWidget* widget = w.findChild<QWidget*>(name);
            QVERIFY2(widget, qPrintable(name));
            QCOMPARE(widget->parentWidget()->objectName(), QString::fromUtf8(c.parent.data(), qsizetype(c.parent.size())));
            QRect expected(px(c.twips.left), px(c.twips.top), px(c.twips.width), px(c.twips.height));
            if (c.parent == af::kWindowName) expected.translate(w.layout_origin());
            QCOMPARE(widget->geometry(), expected);
            QCOMPARE(caption_of(widget), start_caption(c));
            if (c.font) {
                const QFontInfo font(widget->font());
                QCOMPARE(font.family(), kStandIns.at(c.font->name));
                QCOMPARE(widget->font().pointSizeF(), c.font->points);
                QCOMPARE(font.italic(), c.font->italic);
                QCOMPARE(widget->font().weight(), QFont::Normal);
            }
            if (c.fore) QCOMPARE(widget->palette().color(QPalette::WindowText), from_bgr(*c.fore));
            // Small text on a view reads at 4.5 : 1 at least (pure red on white reads at 4.0 : 1).
            if (c.fore && c.back) QVERIFY2(contrast(from_bgr(*c.fore), from_bgr(*c.back)) >= 4.5, qPrintable(name));
            if (auto* label = qobject_cast<QLabel*>(widget)) {
                // Absolute or not: a caption set right to left keeps its side.
                const Qt::Alignment h = label->alignment() & Qt::AlignHorizontal_Mask & ~Qt::AlignAbsolute;
                QCOMPARE(h, c.align == af::Align::Right    ? Qt::AlignRight
                            : c.align == af::Align::Centre ? Qt::AlignHCenter
                                                           : Qt::AlignLeft);
            }
            if (auto* option = qobject_cast<QRadioButton*>(widget)) QCOMPARE(option->isChecked(), c.selected);
        }
    }
};

QTEST_MAIN(LayoutTest)
#include "layout_test.moc"
