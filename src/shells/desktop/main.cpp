#include <QApplication>

#include "shells/desktop/application.h"
#include "shells/desktop/main_window.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    af::desktop::prepare_application();
    af::desktop::MainWindow window;
    window.show();
    return QApplication::exec();
}
