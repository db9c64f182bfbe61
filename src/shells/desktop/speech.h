#pragma once

#include <QMetaObject>
#include <optional>
#include <string>

#include "core/session/session.h"

class QWidget;

namespace af::desktop {

class Announcer;
class WindowControls;

// What the window tells a screen reader: the spin controls' readings, the
// views' descriptions, and the sentences the session says around each act.
// The texts all come from the core; this only hands them to the platform.
class Speech {
public:
    Speech(QWidget& window, Session& session, const WindowControls& controls);
    ~Speech();
    Speech(const Speech&) = delete;
    Speech& operator=(const Speech&) = delete;

    // Says what the session said, after the readings it changed; returns
    // the sentences as said, for a voice to say them too.
    std::vector<std::string> show(const SessionChanges& changes);
    // The readings and descriptions afresh from the session.
    void refresh();

private:
    // Returns the focused spin control's reading if its value changed.
    std::optional<SpinReading> update_readings();
    void announce(const std::string& text);

    const Session& session_;
    const WindowControls& controls_;
    Announcer* announcer_;
    std::optional<double> last_value_said_;  // of the focused spin control
    QMetaObject::Connection focus_watch_;
};

}  // namespace af::desktop
