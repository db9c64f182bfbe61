#include "shells/desktop/main_window.h"

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QScreen>

#include "shells/desktop/extras_menu.h"
#include "shells/desktop/qt_text.h"
#include "shells/desktop/views_image.h"
#include "shells/desktop/window_keys.h"

namespace af::desktop {

namespace {

// Start-up lays the window out at zoom 1 on the screen it opens on.
FitRequest laid_out_room() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return {laid_out_client(), laid_out_client(), screen ? screen->devicePixelRatio() : 1.0, 1.0};
}

}  // namespace

MainWindow::MainWindow(const Setup& setup, const Language& language, QWidget* parent)
    : QWidget(parent),
      fit_(*this, [this] {
          session_.refit(fit_.room());
          show_changes();
      }),
      session_(fit_, laid_out_room(), setup, language),
      controls_(*this, session_.model()),
      pacer_(*this, [this] {
          // Frames on screen longer than an interval (the window was held up) sound as long.
          session_.frame_due(static_cast<double>(run_on_show_.nsecsElapsed()) / 1e9);
          show_changes();
      }),
      speech_(*this, session_, controls_),
      sound_and_voice_(session_, [this] { show_changes(); }) {
    setWindowTitle(qstring(translate(language, kWindowCaption)));
    controls_.place(session_.placement());
    controls_.wire([this](std::string_view control, ControlPart part) {
        // A run that this begins sounds each frame for as long as the screen shows it.
        session_.set_frame_seconds(pacer_.interval_ms() / 1000);
        session_.press(control, part);
        show_changes();
    });
    extra_ = window_extras(*this, fit_,
                    {[this] { return session_.placement().zoom; },
                     [this] {
                         copy_views_image(session_.model());
                         session_.picture_taken(Session::PictureTaken::Copied);
                         show_changes();
                     },
                     [this] {
                         ask_to_save_views_image(*this, session_.model(), QString::fromStdString(session_.picture_file_name()),
                                                 [this] {
                                                     session_.picture_taken(Session::PictureTaken::Saved);
                                                     show_changes();
                                                 });
                     },
                     [this](Extra e) {
                         session_.toggle(e);
                         show_changes();
                     }});
    add_window_keys(*this, extra_, [this] {
        const QWidget* focused = focusWidget() ? focusWidget() : this;
        open_menu(focused->mapToGlobal(focused->rect().center()));
    });
    fit_.take_start_size();
    controls_.show_captions(session_.captions());
    controls_.show_chosen(session_.chosen_options());
    speech_.refresh();
}

MainWindow::~MainWindow() = default;

void MainWindow::show_changes() {
    const SessionChanges changes = session_.take_changes();
    if (changes.placement) controls_.place(session_.placement());
    // A run's frame is put on screen at once, so that the clock paces what is seen.
    controls_.show(changes, changes.frames_drawn > 0);
    sound_and_voice_.show(changes, speech_.show(changes));
    if (changes.run_began) pacer_.begin_run();
    if (changes.run_began) run_on_show_.start();
    if (changes.frames_drawn > 0) pacer_.frame_shown();
    if (changes.idle) emit idle();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // A run under way ends at once; what waited for it is dropped.
    session_.stop();
    pacer_.stop();
    event->accept();
}

void MainWindow::contextMenuEvent(QContextMenuEvent* event) {
    open_menu(event->globalPos());
    event->accept();
}

void MainWindow::open_menu(const QPoint& at) { open_extras_menu(*this, at, session_, extra_); }

void MainWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    fit_.first_shown();
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    session_.refit(fit_.room());
    show_changes();
}

}  // namespace af::desktop
