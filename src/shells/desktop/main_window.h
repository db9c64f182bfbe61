#pragma once

#include <QElapsedTimer>
#include <QPoint>
#include <QWidget>
#include <functional>

#include "core/session/session.h"
#include "shells/desktop/frame_pacer.h"
#include "shells/desktop/screen_fit.h"
#include "shells/desktop/sound_and_voice.h"
#include "shells/desktop/speech.h"
#include "shells/desktop/window_controls.h"

namespace af::desktop {

// The window over one session of the program: its controls built from the
// layout turn input into presses, its clock steps a run, and after each
// call the session's changes are shown and said.
class MainWindow : public QWidget {
    Q_OBJECT
public:
    // Opens with a lesson's setup, or as laid out, and shows and says
    // everything in `language`.
    explicit MainWindow(const Setup& setup = {}, const Language& language = Language(), QWidget* parent = nullptr);
    ~MainWindow() override;

    const Model& model() const { return session_.model(); }
    // A run is on show, or acts wait for its end.
    bool busy() const { return session_.busy(); }
    // Frames put on screen by runs since the window opened.
    long presented_frames() const { return pacer_.frames(); }
    // Time one frame of a run stays on screen.
    double frame_interval_ms() const { return pacer_.interval_ms(); }
    // How much larger than laid out the layout is shown.
    double zoom() const { return session_.placement().zoom; }
    // Where the layout's top-left corner sits in the client area.
    QPoint layout_origin() const { return {session_.placement().offset.x, session_.placement().offset.y}; }
    // Times the sound device ran dry during a run, and the locale of the voice found.
    long sound_underruns() const { return sound_and_voice_.underruns(); }
    QString voice_locale() const { return sound_and_voice_.voice_locale(); }

signals:
    // Nothing under way and nothing waiting: every act so far has been applied.
    void idle();

protected:
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void show_changes();
    void open_menu(const QPoint& at);

    ScreenFit fit_;
    Session session_;
    WindowControls controls_;
    FramePacer pacer_;  // the clock of a run's frames
    QElapsedTimer run_on_show_;  // since the run's first frame was put on screen
    Speech speech_;
    SoundAndVoice sound_and_voice_;
    std::function<void(Extra)> extra_;  // what each extra does here
};

}  // namespace af::desktop
