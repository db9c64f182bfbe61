#include "shells/desktop/window_keys.h"

#include <QKeySequence>
#include <QShortcut>
#include <QWidget>

#include "core/model/window_fit.h"
#include "shells/desktop/screen_fit.h"

namespace af::desktop {

void add_window_keys(QWidget& window, ScreenFit& fit, WindowKeyActions actions) {
    const auto add = [&window](const QKeySequence& keys, auto action) {
        QObject::connect(new QShortcut(keys, &window), &QShortcut::activated, &window, action);
    };
    QWidget* w = &window;
    add(QKeySequence(Qt::Key_F11), [w] { w->isFullScreen() ? w->showNormal() : w->showFullScreen(); });
    add(QKeySequence(Qt::Key_Escape), [w] {
        if (w->isFullScreen()) w->showNormal();
    });
    const auto zoom_by = [&fit, zoom = actions.zoom](int direction) {
        fit.resize_to_zoom(zoom_step(zoom(), direction));
    };
    add(QKeySequence::ZoomIn, [zoom_by] { zoom_by(1); });
    add(QKeySequence(Qt::CTRL | Qt::Key_Equal), [zoom_by] { zoom_by(1); });
    add(QKeySequence::ZoomOut, [zoom_by] { zoom_by(-1); });
    add(QKeySequence(Qt::CTRL | Qt::Key_0), [&fit] { fit.resize_to_zoom(1.0); });
    add(QKeySequence::Copy, actions.copy_picture);
    add(QKeySequence::Save, actions.save_picture);
}

}  // namespace af::desktop
