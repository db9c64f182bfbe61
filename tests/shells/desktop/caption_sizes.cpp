// The size the window sets each caption in, in a language and at zooms of
// its start-up size, for the page's tests to hold the page's captions
// against: `caption_sizes LANG ZOOM...` prints one JSON line a zoom, the
// first at zoom 1, each caption's font size in CSS pixels (96 an inch).
#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QTest>
#include <cstdio>

#include "core/language/choose_language.h"
#include "shells/desktop/application.h"
#include "shells/desktop/main_window.h"

namespace {

QString text_of(const QWidget* w) {
    if (const auto* label = qobject_cast<const QLabel*>(w)) return label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(w)) return button->text();
    if (const auto* group = qobject_cast<const QGroupBox*>(w)) return group->title();
    return {};
}

void print_sizes(const af::desktop::MainWindow& w) {
    QString line = QString(R"({"zoom":%1,"px":{)").arg(w.zoom(), 0, 'g', 10);
    bool first = true;
    for (const QWidget* c : w.findChildren<QWidget*>()) {
        if (c->objectName().isEmpty() || text_of(c).isEmpty()) continue;
        line += QString(R"(%1"%2":%3)").arg(first ? "" : ",", c->objectName()).arg(c->font().pointSizeF() * 96 / 72, 0, 'g', 10);
        first = false;
    }
    std::printf("%s}}\n", qPrintable(line));
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: caption_sizes LANG ZOOM...\n");
        return 2;
    }
    const af::Language language = af::choose_language(std::vector{args[1].toStdString()});
    af::desktop::prepare_application(language);
    af::desktop::MainWindow w({}, language);
    w.show();
    if (!QTest::qWaitForWindowExposed(&w)) return 1;
    QTest::qWait(50);  // the window system's answer to the start-up size
    const QSize start = w.size();
    print_sizes(w);
    for (qsizetype k = 2; k < args.size(); ++k) {
        const double zoom = args[k].toDouble();
        const QSize size(int(std::lround(start.width() * zoom)), int(std::lround(start.height() * zoom)));
        w.resize(size);
        if (!QTest::qWaitFor([&] { return w.size() == size; })) return 1;
        QTest::qWait(20);
        print_sizes(w);
    }
    return 0;
}
