#include "shells/desktop/window_keys.h"

#include <QKeySequence>
#include <QShortcut>
#include <QWidget>

#include "core/model/window_fit.h"
#include "shells/desktop/qt_text.h"
#include "shells/desktop/screen_fit.h"

namespace af::desktop {

std::function<void(Extra)> window_extras(QWidget& window, ScreenFit& fit, WindowKeyActions actions) {
    return [w = &window, f = &fit, actions = std::move(actions)](Extra extra) {
        switch (extra) {
        case Extra::FullScreen:
            w->isFullScreen() ? w->showNormal() : w->showFullScreen();
            return;
        case Extra::ZoomIn:
        case Extra::ZoomOut:
            f->resize_to_zoom(zoom_step(actions.zoom(), extra == Extra::ZoomIn ? 1 : -1));
            return;
        case Extra::LaidOutSize:
            f->resize_to_zoom(1.0);
            return;
        case Extra::CopyPicture:
            actions.copy_picture();
            return;
        case Extra::SavePicture:
            actions.save_picture();
            return;
        case Extra::Sound:
        case Extra::Voice:
            actions.switch_over(extra);
            return;
        case Extra::Share:  // the page's alone
            return;
        }
    };
}

void add_window_keys(QWidget& window, const std::function<void(Extra)>& extra, std::function<void()> open_menu) {
    const auto add = [&window](const QKeySequence& keys, auto action) {
        QObject::connect(new QShortcut(keys, &window), &QShortcut::activated, &window, action);
    };
    for (const ExtraRow& row : extras()) {
        if (row.page_only) continue;
        add(QKeySequence::fromString(qstring(row.key), QKeySequence::PortableText), [extra, e = row.extra] { extra(e); });
    }
    add(QKeySequence(Qt::CTRL | Qt::Key_Equal), [extra] { extra(Extra::ZoomIn); });
    QWidget* w = &window;
    add(QKeySequence(Qt::Key_Escape), [w] {
        if (w->isFullScreen()) w->showNormal();
    });
    add(QKeySequence(Qt::SHIFT | Qt::Key_F10), std::move(open_menu));
}

}  // namespace af::desktop
