#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/acts/act_runner.h"
#include "core/acts/narrator.h"
#include "core/acts/replay_log.h"
#include "core/extras/extras.h"
#include "core/model/control_input.h"
#include "core/model/model.h"
#include "core/model/window_fit.h"
#include "core/model/window_host.h"
#include "core/setup/setup.h"
#include "core/sound/soundtrack.h"

namespace af {

// What a shell knows of the room the layout is shown in, in its logical
// pixels: the client area, the client area at the laid-out outer size
// (zoom 1), the screen's device pixel ratio and the zoom step the user last
// asked for with the zoom keys.
struct FitRequest {
    Size client;
    Size base;
    double device_pixel_ratio = 1;
    double asked_zoom = 1;
};

// The zoom and the top-left corner at which the layout is shown.
struct Placement {
    double zoom = 1;
    Point offset{};
    bool operator==(const Placement&) const = default;
};

// What changed since a shell last asked: what it must show and say.
struct SessionChanges {
    bool placement = false;       // the zoom or the corner: place the controls anew
    bool views_redrawn = false;   // the views were drawn anew at another resolution
    std::array<PixelRect, kViews> views{};  // what changed on each view (named_views order); whole when redrawn
    std::vector<std::pair<std::string_view, std::string>> captions;  // labels with a new caption
    bool readings = false;        // spin readings and view descriptions may be new
    std::vector<std::string> said;  // sentences to say, in order
    bool run_began = false;       // the frame on show is the first of a new run
    int frames_drawn = 0;         // frames of runs drawn: the last one is on show
    bool idle = false;            // everything asked for so far has been applied
    bool switches = false;        // the sound or the voice was turned on or off
    std::vector<std::int16_t> sound;  // samples to play, left and right in turn, at the session's rate
};

// One running program: the model, the acts applied in order (a run shown
// frame by frame as a shell's clock says), the replay log that redraws the
// views at a new resolution, what is said to a screen reader, and the layout
// fitted to the room a shell gives it. Every shell holds one and only
// translates: its input into presses, its clock into frame_due, its size
// into refit; after each call it takes the changes and shows them.
class Session {
public:
    // A session that is never placed on a screen (a page, an unseen picture),
    // opened with a lesson's setup.
    explicit Session(const FitRequest& room, const Setup& setup = {}, Language language = Language());
    // Start-up sizes and centres `host`, a window on a real screen. Everything
    // is shown and said in `language`, which a shell chooses at start.
    Session(WindowHost& host, const FitRequest& room, const Setup& setup = {}, Language language = Language());
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // A press on a control of the layout; says whether it began a run (a
    // press that waits for a run under way begins nothing yet).
    bool press(std::string_view control, ControlPart part = ControlPart::Whole);
    bool act(const Act& act);
    // The frame on show has had its time: the next one, or the run's end
    // and then what waited for it. `run_seconds`, where the shell knows it:
    // how long since the run's first frame went on show; where frames stayed
    // on show longer than the shell said a frame lasts, the sound keeps up.
    void frame_due(double run_seconds = 0);
    // The focus moved: a refused press is said again.
    void focus_moved() { narrator_.focus_moved(); }
    // Fits the layout to new room; a run under way keeps its size to its end.
    void refit(const FitRequest& room);
    // Ends a run under way at once and forgets what waits: the window is going.
    void stop() { runner_.stop(); }
    // A picture of the views went to the clipboard or into a file: said so.
    enum class PictureTaken { Copied, Saved };
    void picture_taken(PictureTaken where);

    // The extras' switches (the sound of the heights, the voice): off unless
    // the setup turns them on; each turn is said. An extra that is no switch
    // is never on.
    void turn(Extra extra, bool on);
    void toggle(Extra extra) { turn(extra, !is_on(extra)); }
    bool is_on(Extra extra) const;
    // What the shell plays at: its sample rate, and how long a frame of a
    // run stays on its display, for which each frame sounds.
    void set_sample_rate(int rate) { soundtrack_.set_sample_rate(rate); }
    int sample_rate() const { return soundtrack_.sample_rate(); }
    void set_frame_seconds(double seconds) { frame_seconds_ = seconds; }
    // A run's tone is under way: more samples follow.
    bool sound_continues() const { return soundtrack_.sounding(); }
    // The shell has no sound device, or no voice for the language: said the
    // first time only.
    void no_sound_device();
    void no_voice();

    bool busy() const { return runner_.busy(); }
    const Model& model() const { return model_; }
    const Language& language() const { return model_.language; }
    Placement placement() const { return placement_; }
    // Frames of runs drawn since start-up.
    long frames_drawn() const { return frames_drawn_; }
    // The setup that opens the program as it stands now, as a query for a
    // link; and a file name for a picture that says it.
    std::string setup_query() const;
    std::string picture_file_name() const;

    // Everything changed since the last call (the views' changed rectangles
    // are taken from the views).
    SessionChanges take_changes();

    // What the controls say as they stand: every label's caption, the spin
    // controls' readings, what each view shows.
    std::vector<std::pair<std::string_view, std::string>> captions() const;
    std::vector<std::pair<std::string_view, SpinReading>> spin_readings() const;
    std::array<std::pair<std::string_view, std::string>, 3> view_descriptions() const;
    // The option buttons whose step is in force, one in each group.
    std::vector<std::string_view> chosen_options() const;

private:
    void began(const Act& act);
    void applied(const State& before, const Act& act, const ActResult& result, bool seen);
    void place(const FitRequest& room);
    void sound_after(const Act& act, const ActResult& result);
    HeightShares heights() const;

    SizeOnlyWindow unplaced_;
    Setup setup_;  // what the program was opened with
    FitRequest room_;
    Placement placement_;
    Model model_;
    ActRunner runner_;
    Narrator narrator_;
    ReplayLog log_;
    long frames_drawn_ = 0;
    bool fit_due_ = false;
    Soundtrack soundtrack_;
    double frame_seconds_ = 1.0 / 60;
    std::vector<Extra> switched_on_;
    bool no_sound_device_said_ = false;
    bool no_voice_said_ = false;
    SessionChanges changes_;
    std::vector<std::string> shown_captions_;  // as the shell last took them
};

// The placement at which the layout fits that room.
Placement fitted_placement(const FitRequest& room);

}  // namespace af
