#pragma once

#include <QElapsedTimer>
#include <QHash>
#include <QWidget>
#include <deque>
#include <functional>

#include "app/form1.h"

class QEventLoop;
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
    long presented_frames() const { return presented_frames_; }
    // Time one animation frame stays on screen.
    double frame_interval_ms() const;

    // WindowHost
    void set_outer_width(float twips) override;
    void set_outer_height(float twips) override;
    float outer_width() const override;
    float outer_height() const override;
    void set_top(float twips) override;
    void set_left(float twips) override;
    float screen_width() const override;
    float screen_height() const override;
    void present_frame() override;

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
    void wait_until(qint64 deadline_ns);

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

    QElapsedTimer run_clock_;
    qint64 next_deadline_ns_ = -1;
    QEventLoop* wait_loop_ = nullptr;
    long presented_frames_ = 0;
};

}  // namespace af::shell
