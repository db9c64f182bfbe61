#pragma once

#include <QWidget>

namespace af::desktop {

// Says a sentence through the screen reader: an empty, unfocusable
// notification that is shown anew for each sentence. Draws nothing.
class Announcer : public QWidget {
    Q_OBJECT
public:
    explicit Announcer(QWidget* parent);

    void say(const QString& sentence);
};

}  // namespace af::desktop
