// The program's own start-up, ending at its first frame on screen.
#include <QApplication>

#include "first_frame.h"
#include "shell/application.h"
#include "shell/main_window.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    af::shell::prepare_application();
    af::shell::MainWindow window;
    FirstFrame first_frame(window);
    window.show();
    return QApplication::exec();
}
