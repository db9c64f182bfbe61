#include <QApplication>
#include <QIcon>

#include "shell/application.h"
#include "shell/main_window.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    af::shell::prepare_application();
    QIcon icon;
    for (const char* size : {"48", "128", "256"}) icon.addFile(QString(":/icons/%1.png").arg(size));
    QApplication::setWindowIcon(icon);
    af::shell::MainWindow window;
    window.show();
    return QApplication::exec();
}
