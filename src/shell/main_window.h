#pragma once

#include <QHash>
#include <QWidget>
#include <deque>
#include <functional>
#include <optional>

#include "app/form1.h"
#include "app/layout.h"
#include "app/narrator.h"
#include "app/replay_log.h"
#include "shell/frame_pacer.h"
#include "shell/input_gate.h"

class QLabel;

namespace af::shell {

class Announcer;
class SpinButton;
class SurfaceView;

// The window: builds every control at its laid-out place, forwards each
// event to its handler and shows what the handlers drew and wrote.
class MainWindow : public QWidget, public WindowHost {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    Form1& form() { return form_; }
    // Frames put on screen by animation runs since the window opened.
    long presented_frames() const { return pacer_.frames(); }
    // Time one animation frame stays on screen.
    double frame_interval_ms() const { return pacer_.interval_ms(); }
    // How much larger than laid out the layout is shown.
    double zoom() const { return zoom_; }
    // Where the layout's top-left corner sits in the client area.
    QPoint layout_origin() const { return offset_; }

    // WindowHost
    void set_outer_width(float twips) override;
    void set_outer_height(float twips) override;
    float outer_width() const override;
    float outer_height() const override;
    void set_top(float twips) override;
    void set_left(float twips) override;
    float screen_width() const override;
    float screen_height() const override;
    bool present_frame() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    using Handler = std::function<void(Form1&)>;

    void build_controls();
    void wire_events();
    void set_focus_order();
    void dispatch(Handler handler, Act act);
    void show_model(bool now);
    // Assistive technology: what an act says once its handler has returned,
    // the spin controls' values and the views' descriptions.
    void tell(const State& before, const Act& act);
    // Returns the focused spin control if its value changed.
    SpinButton* update_accessible();
    // Said through the screen reader, if one listens.
    void announce(const std::string& text);
    // A refused step is said again once the focus has moved.
    void watch_focus();
    void add_shortcuts();
    // Once the window manager has said how large its frame is: the laid-out
    // outer size, centred, and wholly on screen.
    void settle_frame();
    // Scales the layout to the client area and redraws the views at the new
    // resolution; during a run, once the run has ended.
    void fit_layout();
    void place_controls();
    // Ctrl++ (1), Ctrl+- (-1), Ctrl+0 (0): the window resized to the next zoom step.
    void zoom_by(int direction);
    QMargins frame_margins() const;
    // The client area at a zoom of the start-up size.
    QSize client_at(double zoom) const;
    // Resizes the window to that client area, where the frame now stands,
    // moved and if need be shrunk to lie wholly on screen.
    void place_client(QSize client);
    // Whether the window system lets the program place its windows.
    static bool places_windows();
    // The control of that name and kind; a name the window lacks is a
    // programming error and stops the program at start-up.
    template <class T>
    T* control(std::string_view name) const;

    Form1 form_;
    QHash<QString, QWidget*> controls_;
    std::vector<std::pair<QLabel*, const Label*>> value_labels_;
    std::vector<std::pair<SurfaceView*, Surface*>> views_;
    std::vector<std::pair<const ControlSpec*, QWidget*>> placed_;
    std::vector<std::pair<SpinButton*, Spinner>> spins_;
    Narrator narrator_;
    Announcer* announcer_ = nullptr;
    std::optional<double> last_value_said_;  // of the focused spin control
    QSize outer_px_;       // the outer size start-up asked for, frame included
    QSize base_client_;    // the client area at that outer size: zoom 1
    double zoom_ = 1.0;
    double asked_zoom_ = 1.0;  // the zoom step last asked for with the keys
    QPoint offset_;
    bool settled_ = false;
    bool showing_started_ = false;
    bool fit_pending_ = false;
    ReplayLog log_;

    // One handler at a time: anything that arrives while one runs waits its turn.
    bool busy_ = false;
    std::deque<std::pair<Handler, Act>> waiting_;
    bool close_pending_ = false;
    FramePacer pacer_;
    InputGate input_;
};

template <class T>
T* MainWindow::control(std::string_view name) const {
    T* found = qobject_cast<T*>(controls_.value(QString::fromUtf8(name.data(), qsizetype(name.size()))));
    if (!found) qFatal("the window has no control \"%.*s\" of the kind wired to it", int(name.size()), name.data());
    return found;
}

}  // namespace af::shell
