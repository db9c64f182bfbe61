#include <QApplication>

#include "shells/desktop/application.h"
#include "shells/desktop/main_window.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const af::Language language = af::desktop::environment_language();
    af::desktop::prepare_application(language);
    af::desktop::MainWindow window(language);
    window.show();
    return QApplication::exec();
}
