// The program's own start-up, ending at its first frame on screen.
#include <QApplication>

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
    return QApplication::exec();
}
