// The program's own start-up, ending at its first frame on screen.
#include <QApplication>

#include "first_frame.h"
#include "shells/desktop/application.h"
#include "shells/desktop/main_window.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    af::desktop::prepare_application();
    af::desktop::MainWindow window;
    FirstFrame first_frame(window);
    window.show();
    return QApplication::exec();
}
