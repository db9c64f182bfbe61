// The functions the page's script calls: each translates its arguments for
// the one session the page holds. Strings returned stay valid until the next
// call of the same function.
#include <emscripten/emscripten.h>

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/model/caption_size.h"
#include "core/model/layout.h"
#include "core/model/shown_caption.h"
#include "core/model/views_picture.h"
#include "core/session/session.h"
#include "core/setup/opening.h"
#include "shells/page/canvas_pixels.h"
#include "shells/page/page_json.h"

namespace {

std::unique_ptr<af::Session> session;
af::SessionChanges last_changes;
af::page::CanvasCopies canvases;
std::string layout_text, changes_text, refused_text, setup_text, texts_text;
std::vector<std::uint32_t> picture_rgba;
std::array<std::int32_t, 3> picture_record{};
// Address, width, height and the changed rectangle (x0, y0, x1, y1) of a view's pixels.
std::array<std::int32_t, 7> view_record{};
// Address and count of the samples of the last changes.
std::array<std::int32_t, 2> sound_record{};

std::array<double, 5> probe_values{};

const double* probe_record(const af::CaptionProbe& probe) {
    probe_values = {static_cast<double>(probe.stage), probe.size, probe.low, probe.high, probe.done() ? 1.0 : 0.0};
    return probe_values.data();
}

// The page has no window around it: its viewport is the room at zoom 1 too.
af::FitRequest room(int width, int height, double device_pixel_ratio) {
    return {{width, height}, af::laid_out_client(), device_pixel_ratio, 1.0};
}

// `extra`: the sound or the voice, as the layout numbers them; any other
// number is no switch.
std::optional<af::Extra> switch_of(int extra) {
    if (extra == static_cast<int>(af::Extra::Sound)) return af::Extra::Sound;
    if (extra == static_cast<int>(af::Extra::Voice)) return af::Extra::Voice;
    return std::nullopt;
}

}  // namespace

extern "C" {

// `address`: the page's own address, whose query may hold a lesson's setup;
// `languages`: the browser's preferred language tags, most preferred first,
// separated by commas. The core chooses the language: the setup's, then these.
EMSCRIPTEN_KEEPALIVE void af_start(int width, int height, double device_pixel_ratio, const char* address,
                                   const char* languages) {
    const af::Opening opening = af::open_page(address ? address : "", languages ? languages : "");
    session = std::make_unique<af::Session>(room(width, height, device_pixel_ratio), opening.setup, opening.language);
    refused_text = af::page::refused_json(opening.refused);
}

// The language chosen: its tag and the page's own words in it, as JSON.
EMSCRIPTEN_KEEPALIVE const char* af_words_json() {
    texts_text = af::page::words_json(session->language());
    return texts_text.c_str();
}

// What of the address's setup was not taken, as a JSON array of sentences.
EMSCRIPTEN_KEEPALIVE const char* af_setup_refused() { return refused_text.c_str(); }

// The setup as it stands, as a query for the page's address.
EMSCRIPTEN_KEEPALIVE const char* af_setup_query() {
    setup_text = session->setup_query();
    return setup_text.c_str();
}

// Every caption, spin reading, view description and chosen option as they
// stand, for a page opened with a setup.
EMSCRIPTEN_KEEPALIVE const char* af_readings_json() {
    changes_text = af::page::readings_json(*session);
    return changes_text.c_str();
}

// The three views as laid out, in a canvas's byte order: address, width and
// height; and the name a file of it takes.
EMSCRIPTEN_KEEPALIVE const std::int32_t* af_views_picture() {
    const af::ViewsPicture picture = af::views_picture(session->model());
    picture_rgba.resize(picture.pixels.size());
    af::page::to_canvas_order(picture.pixels.data(), picture.pixels.size(), picture_rgba.data());
    picture_record = {static_cast<std::int32_t>(reinterpret_cast<std::uintptr_t>(picture_rgba.data())), picture.width,
                      picture.height};
    return picture_record.data();
}

EMSCRIPTEN_KEEPALIVE const char* af_picture_file_name() {
    setup_text = session->picture_file_name();
    return setup_text.c_str();
}

// The name a lesson file of this setup takes: the picture's, as a page.
EMSCRIPTEN_KEEPALIVE const char* af_lesson_file_name() {
    setup_text = session->picture_file_name();
    setup_text.replace(setup_text.rfind('.'), std::string::npos, ".html");
    return setup_text.c_str();
}

// A picture went to the clipboard (0) or into a file (1): said so.
EMSCRIPTEN_KEEPALIVE void af_picture_taken(int saved) {
    session->picture_taken(saved ? af::Session::PictureTaken::Saved : af::Session::PictureTaken::Copied);
}

// `part`: 0 the whole control, 1 a spin's up arrow, 2 its down arrow. Returns
// 1 where the press began a run.
EMSCRIPTEN_KEEPALIVE int af_press(const char* control, int part) {
    if (!control || part < 0 || part > static_cast<int>(af::ControlPart::Down)) return 0;
    return session->press(control, static_cast<af::ControlPart>(part)) ? 1 : 0;
}

// `run_seconds`: how long since the run's first frame was shown.
EMSCRIPTEN_KEEPALIVE void af_frame_due(double run_seconds) { session->frame_due(run_seconds); }

EMSCRIPTEN_KEEPALIVE void af_focus_moved() { session->focus_moved(); }

EMSCRIPTEN_KEEPALIVE void af_refit(int width, int height, double device_pixel_ratio) {
    session->refit(room(width, height, device_pixel_ratio));
}

EMSCRIPTEN_KEEPALIVE int af_busy() { return session->busy() ? 1 : 0; }

// Whether the layout at start differs from the laid-out one the page is built with.
EMSCRIPTEN_KEEPALIVE int af_placed_as_built() { return session->placement() == af::Placement{} ? 1 : 0; }

EMSCRIPTEN_KEEPALIVE const char* af_layout_json() {
    layout_text = af::page::layout_json(session->placement(), session->language());
    return layout_text.c_str();
}

// What changed since the last call, as JSON; the views' changed rectangles
// are kept for af_view_pixels.
EMSCRIPTEN_KEEPALIVE const char* af_take_changes() {
    last_changes = session->take_changes();
    changes_text = af::page::changes_json(*session, last_changes);
    return changes_text.c_str();
}

// The pixels of view `view` (0 the circle view, 1 and 2 the wave views) and
// the rectangle of them that changed at the last af_take_changes.
EMSCRIPTEN_KEEPALIVE const std::int32_t* af_view_pixels(int view) {
    if (view < 0 || view > 2) return nullptr;
    const auto k = static_cast<std::size_t>(view);
    const af::Surface& surface = *af::named_views(session->model())[k].second;
    const af::page::CanvasPixels p = canvases.copy(k, surface, last_changes.views[k]);
    last_changes.views[k] = {};
    view_record = {static_cast<std::int32_t>(reinterpret_cast<std::uintptr_t>(p.rgba)),
                   p.width,
                   p.height,
                   p.changed.x0,
                   p.changed.y0,
                   p.changed.x1,
                   p.changed.y1};
    return view_record.data();
}

// The samples of the last af_take_changes, 16-bit stereo, left and right in
// turn: their address and their count.
EMSCRIPTEN_KEEPALIVE const std::int32_t* af_sound() {
    sound_record = {static_cast<std::int32_t>(reinterpret_cast<std::uintptr_t>(last_changes.sound.data())),
                    static_cast<std::int32_t>(last_changes.sound.size())};
    return sound_record.data();
}

// The rate the page's audio plays at, and how long a frame stays on its display.
EMSCRIPTEN_KEEPALIVE void af_sound_output(int sample_rate, double frame_seconds) {
    session->set_sample_rate(sample_rate);
    session->set_frame_seconds(frame_seconds);
}

// Turned on or off, and said so.
EMSCRIPTEN_KEEPALIVE void af_toggle(int extra) {
    if (const auto which = switch_of(extra)) session->toggle(*which);
}

EMSCRIPTEN_KEEPALIVE int af_is_on(int extra) {
    const auto which = switch_of(extra);
    return which && session->is_on(*which) ? 1 : 0;
}

// The page found no sound output or no voice of its language: said once.
EMSCRIPTEN_KEEPALIVE void af_missing(int extra) {
    const auto which = switch_of(extra);
    if (which == af::Extra::Voice) session->no_voice();
    if (which == af::Extra::Sound) session->no_sound_device();
}

// The caption sizing search for a control, a probe at a time: its stage,
// size, low, high and whether it is done, five numbers that stay valid until the next call
// of either.
EMSCRIPTEN_KEEPALIVE const double* af_caption_first(const char* control, double laid_out_size, double zoom) {
    const af::ControlSpec* row = af::layout_control(control ? control : "");
    const bool as_laid_out = row && af::shows_layouts_text(*row, session->language());
    return probe_record(af::first_caption_probe(laid_out_size, zoom, as_laid_out));
}

EMSCRIPTEN_KEEPALIVE const double* af_caption_next(double stage, double size, double low, double high, int fits,
                                                   double room_over_need) {
    const int known = static_cast<int>(stage);
    if (known < 0 || known > static_cast<int>(af::CaptionProbe::Stage::Done)) return probe_record(af::CaptionProbe{af::CaptionProbe::Stage::Done, size, low, high});
    const af::CaptionProbe probe{static_cast<af::CaptionProbe::Stage>(known), size, low, high};
    return probe_record(af::next_caption_probe(probe, fits != 0, room_over_need));
}

}  // extern "C"
