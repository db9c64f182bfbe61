#pragma once

#include <QHash>
#include <QString>
#include <functional>
#include <string_view>
#include <utility>
#include <vector>

#include "core/model/layout.h"
#include "core/model/model.h"
#include "core/model/window_fit.h"

class QLabel;
class QWidget;

namespace af::desktop {

class SpinButton;
class SurfaceView;
class ZoomStyle;

// The window's controls, built from the layout table: each at its laid-out
// place, in its font and colours, in the laid-out Tab order, and each
// control's input turned into the act the layout names for it.
class WindowControls {
public:
    WindowControls(QWidget& window, Model& model);

    // Every act a control raises goes to `on_act`.
    void wire(const std::function<void(const Act&)>& on_act);

    // Places every control at a zoom of the layout, moved by `offset`.
    void place(double zoom, Point offset);

    // Shows what the acts wrote and drew; with `now`, at once rather than
    // at the next paint.
    void show_model(bool now);
    // The views were drawn anew at another resolution: all of each is shown again.
    void show_new_views();

    // The spin controls with what each steps.
    const std::vector<std::pair<SpinButton*, StepTarget>>& spins() const { return spins_; }
    // The view that shows the model's view of that name.
    SurfaceView* view(std::string_view name) const;

    // The control of that name and kind; a name the window lacks is a
    // programming error and stops the program at start-up.
    template <class T>
    T* find(std::string_view name) const;

private:
    QWidget* widget_for(const ControlSpec& c, QWidget* parent);
    void set_focus_order();

    Model& model_;
    QHash<QString, QWidget*> by_name_;
    std::vector<std::pair<const ControlSpec*, QWidget*>> placed_;
    std::vector<std::pair<QLabel*, const Label*>> captions_;
    std::vector<std::pair<SurfaceView*, Surface*>> views_;
    std::vector<std::pair<SpinButton*, StepTarget>> spins_;
    ZoomStyle* style_ = nullptr;  // draws every control but the views at the zoom
};

template <class T>
T* WindowControls::find(std::string_view name) const {
    T* found = qobject_cast<T*>(by_name_.value(QString::fromUtf8(name.data(), qsizetype(name.size()))));
    if (!found) qFatal("the window has no control \"%.*s\" of the kind wired to it", int(name.size()), name.data());
    return found;
}

}  // namespace af::desktop
