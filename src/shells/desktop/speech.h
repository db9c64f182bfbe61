#pragma once

#include <QMetaObject>
#include <optional>
#include <string>

#include "core/acts/narrator.h"
#include "core/model/model.h"

class QWidget;

namespace af::desktop {

class Announcer;
class WindowControls;

// What the window tells a screen reader: the spin controls' readings, the
// views' descriptions, and the sentences the narrator says around each act.
// The texts all come from the core; this only hands them to the platform.
class Speech {
public:
    Speech(QWidget& window, const Model& model, const WindowControls& controls);
    ~Speech();
    Speech(const Speech&) = delete;
    Speech& operator=(const Speech&) = delete;

    void act_began(const Act& act);
    void act_applied(const State& before, const Act& act, const ActResult& result);
    // The readings and descriptions afresh from the model.
    void refresh();

private:
    // Returns the focused spin control's reading if its value changed.
    const SpinReading* update_readings();
    void announce(const std::string& text);

    const Model& model_;
    const WindowControls& controls_;
    Narrator narrator_;
    Announcer* announcer_;
    std::optional<double> last_value_said_;  // of the focused spin control
    QMetaObject::Connection focus_watch_;
};

}  // namespace af::desktop
