// The program's own start-up, ending at its first frame on screen.
#include <QApplication>
#include <QFile>
#include <QTextStream>

#include "core/language/choose_language.h"
#include "first_frame.h"
#include "shells/desktop/application.h"
#include "shells/desktop/main_window.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // In the language the environment asks for, as the program starts.
    const af::Language language = af::choose_language(af::desktop::environment_languages());
    af::desktop::prepare_application(language);
    af::desktop::MainWindow window({}, language);
    FirstFrame first_frame(window);
    window.show();
    const int status = QApplication::exec();
    // For the yardstick: the size each caption's font ended at (a
    // translation's fitted sizes), so that it shows the same fonts.
    if (const QString out = qEnvironmentVariable("AF_FONTS_OUT"); !out.isEmpty()) {
        QFile file(out);
        if (file.open(QIODevice::WriteOnly | QIODevice::Text)) {
            QTextStream fonts(&file);
            for (const QWidget* w : window.findChildren<QWidget*>()) {
                if (!w->objectName().isEmpty()) fonts << w->objectName() << '\t' << w->font().pointSizeF() << '\n';
            }
        }
    }
    return status;
}
