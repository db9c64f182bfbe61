// A plain Qt window with the program's 38 widgets at their laid-out places,
// in the same style and fonts (the layout's, in the language's faces, at
// the sizes the program's window ended with where AF_FONTS_IN names the
// file startup_probe wrote them to: a translation's fitted sizes),
// with the same captions in the language the environment asks for (the labels the acts write show a digit, so that
// their fonts are loaded as the program's are) and Qt's own translation
// loaded as the program loads it, that draws nothing and wires nothing: the
// yardstick that tells the program's own start-up cost from the widgets'.
#include <QApplication>
#include <QFile>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "core/language/choose_language.h"
#include "core/model/layout.h"
#include "core/model/shown_caption.h"
#include "core/model/window_fit.h"
#include "core/pixels/twips.h"
#include "first_frame.h"
#include "shells/desktop/application.h"
#include "shells/desktop/fonts.h"
#include "shells/desktop/qt_text.h"

using af::desktop::qstring;

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const af::Language language = af::choose_language(af::desktop::environment_languages());
    af::desktop::prepare_application(language);
    QHash<QString, double> sizes;
    if (QFile file(qEnvironmentVariable("AF_FONTS_IN")); file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        while (!file.atEnd()) {
            const QStringList line = QString::fromUtf8(file.readLine()).trimmed().split('\t');
            if (line.size() == 2) sizes.insert(line[0], line[1].toDouble());
        }
    }
    QWidget window;
    window.setWindowTitle("Same widgets");
    const af::Size outer = af::outer_size_at_start();
    window.setFixedSize(outer.width, outer.height);
    QHash<QString, QWidget*> made{{af::desktop::qstring(af::kWindowName), &window}};
    for (const af::ControlSpec& c : af::window_layout()) {
        QWidget* parent = made.value(qstring(c.parent));
        QWidget* widget = nullptr;
        const QString caption = c.shows == af::Shows::Caption ? qstring(af::shown_caption(c, language)) : QString("0");
        switch (c.kind) {
        case af::ControlKind::Group: widget = new QGroupBox(caption, parent); break;
        case af::ControlKind::Label: widget = new QLabel(caption, parent); break;
        case af::ControlKind::PushButton: widget = new QPushButton(caption, parent); break;
        case af::ControlKind::OptionButton: widget = new QRadioButton(caption, parent); break;
        case af::ControlKind::SpinControl:
        case af::ControlKind::Picture: widget = new QWidget(parent); break;
        }
        widget->setGeometry(af::twips_to_px(c.twips.left), af::twips_to_px(c.twips.top), af::twips_to_px(c.twips.width),
                            af::twips_to_px(c.twips.height));
        if (c.font) {
            QFont font = af::desktop::layout_font(*c.font, af::caption_language(c, language));
            if (const double size = sizes.value(qstring(c.name)); size > 0) font.setPointSizeF(size);
            widget->setFont(font);
        }
        made.insert(qstring(c.name), widget);
    }
    FirstFrame first_frame(window);
    window.show();
    return QApplication::exec();
}
