#include "core/session/session.h"

#include <algorithm>

#include "core/acts/spoken_text.h"
#include "core/model/frame.h"
#include "core/model/layout.h"
#include "core/setup/apply_setup.h"
#include "core/setup/setup_fields.h"
#include "core/setup/setup_query.h"
#include "core/sound/waveform.h"

namespace af {

Placement fitted_placement(const FitRequest& room) {
    const double zoom = fit_zoom(room.client, room.base, room.device_pixel_ratio, room.asked_zoom);
    return {zoom, layout_offset(room.client, room.base, zoom)};
}

Session::Session(const FitRequest& room, const Setup& setup, Language language)
    : Session(unplaced_, room, setup, language) {}

Session::Session(WindowHost& host, const FitRequest& room, const Setup& setup, Language language)
    : setup_(setup),
      room_(room),
      placement_(fitted_placement(room)),
      model_(host, room.device_pixel_ratio * placement_.zoom, language),
      runner_(model_, {[this](const Act& act) { began(act); },
                       [this](const State& before, const Act& act, const ActResult& result, bool seen) {
                           applied(before, act, result, seen);
                       },
                       [this] {
                           ++frames_drawn_;
                           ++changes_.frames_drawn;
                           if (is_on(Extra::Sound)) soundtrack_.frame(heights(), frame_seconds_);
                       },
                       [this] {
                           if (fit_due_) place(room_);
                           changes_.idle = true;
                       }}),
      narrator_(language) {
    start_up(model_);
    apply_setup(model_, setup_);
    // The switches the setup turns on, as their controls would, but unsaid:
    // the program opens so, as it opens with the setup's values.
    for (const SetupField& field : setup_fields()) {
        const ExtraRow* row = field.kind == SetupField::Kind::Switch ? switch_of_control(field.control) : nullptr;
        if (row && setup_.switched(field.name).value_or(false)) switched_on_.push_back(row->extra);
    }
    for (auto& [name, caption] : captions()) shown_captions_.push_back(std::move(caption));
    // What start-up drew is what every shell shows first: not a change.
    for (const auto& [name, view] : named_views(model_)) view->take_dirty();
}

bool Session::press(std::string_view control, ControlPart part) {
    const ControlSpec* row = layout_control(control);
    if (!row) return false;
    const std::optional<Act> made = control_act(*row, part);
    return made && act(*made);
}

bool Session::act(const Act& act) {
    // With nothing under way a run begins at once, its first frame drawn;
    // otherwise it waits for the run under way.
    const bool waits = busy();
    runner_.act(act);
    return act.kind == Act::Kind::Run && !waits;
}

void Session::began(const Act& act) {
    if (act.kind == Act::Kind::Run) changes_.run_began = true;
    std::string said = narrator_.begin(model_.state, act);
    if (!said.empty()) changes_.said.push_back(std::move(said));
}

void Session::applied(const State& before, const Act& act, const ActResult& result, bool seen) {
    log_.record(before, act, result);
    changes_.readings = true;
    if (!seen) return;
    if (is_on(Extra::Sound)) sound_after(act, result);
    std::string said = narrator_.end(before, model_.state, act, result);
    if (!said.empty()) changes_.said.push_back(std::move(said));
}

void Session::picture_taken(PictureTaken where) {
    changes_.said.push_back(where == PictureTaken::Copied ? picture_copied_text(language()) : picture_saved_text(language()));
}

void Session::frame_due(double run_seconds) {
    if (is_on(Extra::Sound)) soundtrack_.keep_up_with(run_seconds);
    runner_.frame_due();
}

// Each vector's height over the view's extent, at the angle the frame on
// show draws it at. The sine is the sound's own, not the C library's, so
// that every build hears the same heights to the bit.
HeightShares Session::heights() const {
    const State& s = model_.state;
    constexpr double kTwoPi = 6.28318530717958647692;
    HeightShares shares{};
    for (int i = 0; i < kVectors; ++i) {
        const double turns = static_cast<double>(vector_angle(s, i)) / kTwoPi;
        shares[static_cast<std::size_t>(i)] = s.length.at(static_cast<std::size_t>(i)) * unit_sine(turns) / kViewExtent;
    }
    return shares;
}

void Session::sound_after(const Act& act, const ActResult& result) {
    switch (act.kind) {
    case Act::Kind::Run:
        soundtrack_.end_tone();
        return;
    case Act::Kind::Reset:
        soundtrack_.cue(Cue::Reset);
        return;
    case Act::Kind::Step:
        if (!result.taken) {
            soundtrack_.cue(Cue::Bound);
        } else if (act.target.quantity == Quantity::Time) {
            soundtrack_.cue(Cue::Step, heights());
        } else {
            soundtrack_.cue(Cue::Restart);
        }
        return;
    case Act::Kind::ChooseTimeStep:
    case Act::Kind::ChooseFrequencyStep:
        return;
    }
}

bool Session::is_on(Extra extra) const {
    return std::find(switched_on_.begin(), switched_on_.end(), extra) != switched_on_.end();
}

void Session::turn(Extra extra, bool on) {
    if (!extra_row(extra).is_switch || is_on(extra) == on) return;
    if (on) {
        switched_on_.push_back(extra);
    } else {
        std::erase(switched_on_, extra);
    }
    // A tone under way fades out rather than stop with a click.
    if (extra == Extra::Sound && !on) soundtrack_.end_tone();
    changes_.switches = true;
    changes_.said.push_back(switched_text(extra, on, language()));
}

void Session::no_sound_device() {
    if (no_sound_device_said_) return;
    no_sound_device_said_ = true;
    changes_.said.push_back(no_sound_device_text(language()));
}

void Session::no_voice() {
    if (no_voice_said_) return;
    no_voice_said_ = true;
    changes_.said.push_back(no_voice_text(language()));
}

void Session::refit(const FitRequest& room) {
    room_ = room;
    fit_due_ = runner_.busy();
    if (!fit_due_) place(room);
}

void Session::place(const FitRequest& room) {
    fit_due_ = false;
    const Placement placement = fitted_placement(room);
    if (!(placement == placement_)) changes_.placement = true;
    placement_ = placement;
    const double ratio = room.device_pixel_ratio * placement.zoom;
    if (ratio == model_.device_pixel_ratio()) return;
    // Drawn anew at the new resolution from the acts, never scaled.
    log_.redraw(model_, ratio, [this](Model& m) { apply_setup(m, setup_); });
    changes_.views_redrawn = true;
    changes_.placement = true;
}

std::string Session::setup_query() const {
    std::vector<std::string_view> switched_on;
    for (const SetupField& field : setup_fields()) {
        const ExtraRow* row = field.kind == SetupField::Kind::Switch ? switch_of_control(field.control) : nullptr;
        if (row && is_on(row->extra)) switched_on.push_back(field.name);
    }
    return af::setup_query(model_.state, setup_.lang, switched_on);
}

std::string Session::picture_file_name() const { return af::picture_file_name(model_.state); }

SessionChanges Session::take_changes() {
    SessionChanges changes = std::move(changes_);
    changes_ = {};
    changes.sound = soundtrack_.take();
    std::size_t k = 0;
    for (auto& [name, caption] : captions()) {
        if (shown_captions_[k] != caption) {
            shown_captions_[k] = caption;
            changes.captions.emplace_back(name, std::move(caption));
        }
        ++k;
    }
    k = 0;
    for (const auto& [name, view] : named_views(model_)) {
        const PixelRect dirty = view->take_dirty();
        changes.views[k++] = changes.views_redrawn ? PixelRect{0, 0, view->width(), view->height()} : dirty;
    }
    return changes;
}

std::vector<std::pair<std::string_view, std::string>> Session::captions() const {
    std::vector<std::pair<std::string_view, std::string>> all;
    for (const auto& [name, label] : named_captions(model_)) all.emplace_back(name, label->caption);
    return all;
}

std::vector<std::pair<std::string_view, SpinReading>> Session::spin_readings() const {
    std::vector<std::pair<std::string_view, SpinReading>> all;
    for (const ControlSpec& c : window_layout()) {
        if (c.kind == ControlKind::SpinControl && c.act) all.emplace_back(c.name, spin_reading(model_.state, c.act->target, model_.language));
    }
    return all;
}

std::vector<std::string_view> Session::chosen_options() const {
    std::vector<std::string_view> chosen;
    for (const ControlSpec& c : window_layout()) {
        if (c.kind != ControlKind::OptionButton || !c.act) continue;
        const std::int16_t in_force = c.act->kind == Act::Kind::ChooseTimeStep ? model_.state.time_step_ms
                                                                               : model_.state.frequency_step;
        if (c.act->choice == in_force) chosen.push_back(c.name);
    }
    return chosen;
}

std::array<std::pair<std::string_view, std::string>, 3> Session::view_descriptions() const {
    return narrator_.view_descriptions(model_.state);
}

}  // namespace af
