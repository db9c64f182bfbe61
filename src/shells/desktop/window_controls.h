#pragma once

#include <QHash>
#include <QString>
#include <functional>
#include <string_view>
#include <utility>
#include <vector>

#include "core/model/control_input.h"
#include "core/model/layout.h"
#include "core/model/model.h"
#include "core/session/session.h"

class QLabel;
class QWidget;

namespace af::desktop {

class SpinButton;
class SurfaceView;
class ZoomStyle;

// The window's controls, built from the layout table: each at its laid-out
// place, in its font and colours, in the core's focus order, and each
// control's input turned into a press of that control.
class WindowControls {
public:
    WindowControls(QWidget& window, const Model& model);

    // Every press on a control goes to `on_press`.
    void wire(const std::function<void(std::string_view control, ControlPart part)>& on_press);

    // Places every control at the placement's zoom and corner.
    void place(const Placement& placement);

    // Checks the option buttons whose step is in force.
    void show_chosen(const std::vector<std::string_view>& options);
    // Shows the captions as they stand.
    void show_captions(const std::vector<std::pair<std::string_view, std::string>>& captions);
    // Shows what changed on the labels and the views; with `now`, at once
    // rather than at the next paint.
    void show(const SessionChanges& changes, bool now);

    // The view that shows the model's view of that name.
    SurfaceView* view(std::string_view name) const;

    // The control of that name and kind; a name the window lacks is a
    // programming error and stops the program at start-up.
    template <class T>
    T* find(std::string_view name) const;

private:
    QWidget* widget_for(const ControlSpec& c, QWidget* parent);
    void set_focus_order();
    void show_caption(std::string_view name, const std::string& caption, bool now);

    const Model& model_;
    QHash<QString, QWidget*> by_name_;
    std::vector<std::pair<const ControlSpec*, QWidget*>> placed_;
    std::vector<SurfaceView*> views_;  // in the order of named_views
    ZoomStyle* style_ = nullptr;  // draws every control but the views at the zoom
};

template <class T>
T* WindowControls::find(std::string_view name) const {
    T* found = qobject_cast<T*>(by_name_.value(QString::fromUtf8(name.data(), qsizetype(name.size()))));
    if (!found) qFatal("the window has no control \"%.*s\" of the kind wired to it", int(name.size()), name.data());
    return found;
}

}  // namespace af::desktop
