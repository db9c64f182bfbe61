#include "shells/desktop/extras_menu.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QPoint>
#include <QWidget>

#include "shells/desktop/qt_text.h"

namespace af::desktop {

void open_extras_menu(QWidget& window, const QPoint& at, const Session& session,
                      const std::function<void(Extra)>& extra) {
    auto* menu = new QMenu(&window);
    menu->setObjectName("extras_menu");
    menu->setAttribute(Qt::WA_DeleteOnClose);
    for (const ExtraRow& row : extras()) {
        if (row.page_only) continue;
        if (row.extra == Extra::Sound) menu->addSeparator();
        QAction* action = menu->addAction(QString::fromStdString(extra_name(row.extra, session.language())));
        // Shown beside the entry; the window's own keys do the work.
        action->setShortcut(QKeySequence::fromString(qstring(row.key), QKeySequence::PortableText));
        action->setShortcutContext(Qt::WidgetShortcut);
        if (row.is_switch) {
            action->setObjectName(qstring(row.control));
            action->setCheckable(true);
            action->setChecked(session.is_on(row.extra));
        }
        QObject::connect(action, &QAction::triggered, &window, [extra, e = row.extra] { extra(e); });
    }
    menu->popup(at);
}

}  // namespace af::desktop
