#include <QApplication>

#include "shell/application.h"
#include "shell/main_window.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    af::shell::prepare_application();
    af::shell::MainWindow window;
    window.show();
    return QApplication::exec();
}
