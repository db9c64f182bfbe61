#pragma once

#include <QHash>
#include <QWidget>
#include <deque>
#include <functional>

#include "app/form1.h"
#include "shell/frame_pacer.h"
#include "shell/input_gate.h"

class QLabel;

namespace af::shell {

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

private:
    using Handler = std::function<void(Form1&)>;

    void build_controls();
    void wire_events();
    void set_focus_order();
    void dispatch(Handler handler);
    void show_model(bool now);
    void apply_outer_size();
    // The control of that name and kind; a name the window lacks is a
    // programming error and stops the program at start-up.
    template <class T>
    T* control(std::string_view name) const;

    Form1 form_;
    QHash<QString, QWidget*> controls_;
    std::vector<std::pair<QLabel*, const Label*>> value_labels_;
    std::vector<std::pair<SurfaceView*, Surface*>> views_;
    int outer_width_px_ = 0;
    int outer_height_px_ = 0;

    // One handler at a time: anything that arrives while one runs waits its turn.
    bool busy_ = false;
    std::deque<Handler> waiting_;
    bool close_pending_ = false;
    FramePacer pacer_;
    InputGate input_;
};

}  // namespace af::shell
