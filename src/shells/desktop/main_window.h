#pragma once

#include <QPoint>
#include <QWidget>

#include "core/acts/act_runner.h"
#include "core/acts/replay_log.h"
#include "core/model/model.h"
#include "shells/desktop/frame_pacer.h"
#include "shells/desktop/screen_fit.h"
#include "shells/desktop/speech.h"
#include "shells/desktop/window_controls.h"

namespace af::desktop {

// The window: its controls built from the layout, their acts applied to the
// model, what the model holds shown, the layout fitted to the screen and
// what happens said to a screen reader; each part a unit of its own.
class MainWindow : public QWidget {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    const Model& model() const { return model_; }
    // A run is on show, or acts wait for its end.
    bool busy() const { return runner_.busy(); }
    // Frames put on screen by runs since the window opened.
    long presented_frames() const { return pacer_.frames(); }
    // Time one frame of a run stays on screen.
    double frame_interval_ms() const { return pacer_.interval_ms(); }
    // How much larger than laid out the layout is shown.
    double zoom() const { return fit_.zoom(); }
    // Where the layout's top-left corner sits in the client area.
    QPoint layout_origin() const { return {fit_.offset().x, fit_.offset().y}; }

signals:
    // Nothing under way and nothing waiting: every act so far has been applied.
    void idle();

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // Scales the layout to the client area and redraws the views at the new
    // resolution; during a run, once the run has ended.
    void fit_layout();
    void began(const Act& act);
    void applied(const State& before, const Act& act, const ActResult& result, bool seen);

    ScreenFit fit_;
    Model model_;
    WindowControls controls_;
    ActRunner runner_;
    FramePacer pacer_;  // the clock of a run's frames
    Speech speech_;
    ReplayLog log_;
    bool fit_pending_ = false;
};

}  // namespace af::desktop
