// The smallest Qt Widgets program of the same outer size: the yardstick for
// start-up time and memory.
#include <QApplication>
#include <QLabel>
#include <QWidget>

#include "core/model/layout.h"
#include "core/pixels/twips.h"
#include "first_frame.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle("Baseline");
    window.setFixedSize(af::twips_to_px(af::kOuterTwipsAtStart.width), af::twips_to_px(af::kOuterTwipsAtStart.height));
    QLabel label("Angular Frequency", &window);
    label.move(20, 20);
    FirstFrame first_frame(window);
    window.show();
    return QApplication::exec();
}
