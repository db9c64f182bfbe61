// The smallest Qt Widgets program of the same outer size: the yardstick for
// start-up time and memory.
#include <QApplication>
#include <QLabel>
#include <QWidget>

#include "first_frame.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle("Baseline");
    window.setFixedSize(615, 346);  // 9225 x 5184 twips
    QLabel label("Angular Frequency", &window);
    label.move(20, 20);
    FirstFrame first_frame(window);
    window.show();
    return QApplication::exec();
}
