#include "shells/desktop/announcer.h"

namespace af::desktop {

Announcer::Announcer(QWidget* parent) : QWidget(parent) {
    setObjectName("announcer");
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    resize(0, 0);
    hide();
}

void Announcer::say(const QString& sentence) {
    // A screen reader speaks a notification when it is shown, so each
    // sentence hides and shows it again.
    hide();
    setAccessibleName(sentence);
    show();
}

}  // namespace af::desktop
