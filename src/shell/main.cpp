#include <QApplication>
#include <QStyleFactory>

#include "shell/fonts.h"
#include "shell/main_window.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("angular-frequency");
    QApplication::setApplicationDisplayName("Angular Frequency");
    // One style everywhere, so the window looks the same on every desktop.
    if (QStyle* fusion = QStyleFactory::create("Fusion")) QApplication::setStyle(fusion);
    af::shell::install_font_substitutions();

    af::shell::MainWindow window;
    window.show();
    return QApplication::exec();
}
