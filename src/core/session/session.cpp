#include "core/session/session.h"

#include <algorithm>
#include <bit>
#include <cstdio>

#include "core/acts/spoken_text.h"
#include "core/model/layout.h"

namespace af::page {

namespace {

std::string css_colour(std::uint32_t bgr) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
    return text;
}

std::string_view kind_name(ControlKind kind) {
    switch (kind) {
    case ControlKind::Group:
        return "frame";
    case ControlKind::Label:
        return "label";
    case ControlKind::PushButton:
        return "button";
    case ControlKind::OptionButton:
        return "option";
    case ControlKind::SpinControl:
        return "spin";
    case ControlKind::Picture:
        break;
    }
    return "picture";
}

std::string_view align_name(Align align) {
    switch (align) {
    case Align::Right:
        return "right";
    case Align::Centre:
        return "center";
    case Align::Left:
        break;
    }
    return "left";
}

// A button the page adds for full screen, which the window has in its F11
// key: in the control panel's empty top-right corner, a spin control's size.
constexpr ControlSpec kFullScreenButton{"full_screen", ControlKind::PushButton, "control_panel", "",
                                        2460, 120, 255, 255, std::nullopt, std::nullopt, std::nullopt};

void write_box(JsonText& json, const Rect& box) {
    json.key("box").begin_array().value(box.x).value(box.y).value(box.width).value(box.height).end_array();
}

// CSS pixels per point: 96 pixels an inch, 72 points.
constexpr double kPixelsPerPoint = 96.0 / 72.0;

}  // namespace

PageSession::PageSession(Size viewport, double device_pixel_ratio)
    : viewport_(viewport),
      device_pixel_ratio_(device_pixel_ratio),
      placement_(fitted(viewport, device_pixel_ratio)),
      model_(window_, device_pixel_ratio * placement_.zoom),
      runner_(model_, {[this](const Act& act) { began(act); },
                       [this](const State& before, const Act& act, const ActResult& result, bool seen) {
                           applied(before, act, result, seen);
                       },
                       [this] { ++frames_drawn_; },
                       [this] {
                           if (fit_due_) fit(viewport_, device_pixel_ratio_);
                       }}),
      layout_changed_(!(placement_ == Placement{})) {
    start_up(model_);
}

void PageSession::press(std::string_view control, Direction direction) {
    const ControlSpec* row = layout_control(control);
    if (!row || !row->act) return;
    Act act = *row->act;
    if (row->kind == ControlKind::SpinControl) act = step_act(act.target, direction);
    runner_.act(act);
}

void PageSession::began(const Act& act) {
    say(narrator_.begin(model_.state, act));
    speech_changed_ = true;
}

void PageSession::applied(const State& before, const Act& act, const ActResult& result, bool seen) {
    log_.record(before, act, result);
    if (seen) say(narrator_.end(before, model_.state, act, result));
    speech_changed_ = true;
}

void PageSession::say(std::string text) {
    if (!text.empty()) said_.push_back(std::move(text));
}

void PageSession::fit(Size viewport, double device_pixel_ratio) {
    viewport_ = viewport;
    device_pixel_ratio_ = device_pixel_ratio;
    fit_due_ = runner_.busy();
    if (!fit_due_) place(viewport, device_pixel_ratio);
}

PageSession::Placement PageSession::fitted(Size viewport, double device_pixel_ratio) {
    const Size base = laid_out_client();
    const double zoom = fit_zoom(viewport, base, device_pixel_ratio);
    return {zoom, layout_offset(viewport, base, zoom)};
}

void PageSession::place(Size viewport, double device_pixel_ratio) {
    const Placement placement = fitted(viewport, device_pixel_ratio);
    if (!(placement == placement_)) layout_changed_ = true;
    placement_ = placement;
    const double ratio = device_pixel_ratio * placement.zoom;
    if (ratio == model_.device_pixel_ratio()) return;
    // Drawn anew at the new resolution from the acts, never scaled.
    log_.redraw(model_, ratio);
    whole_view_due_ = {true, true, true};
    layout_changed_ = true;
}

bool PageSession::take_layout_changed() {
    const bool changed = layout_changed_;
    layout_changed_ = false;
    return changed;
}

std::string PageSession::layout_json() const {
    JsonText json;
    json.begin_object().key("zoom").value(placement_.zoom);
    json.key("controls").begin_array();
    for (const ControlSpec& c : window_layout()) {
        const Rect box = control_box(c, placement_.zoom, placement_.offset);
        const ControlSpeech speech = control_speech(c.name);
        json.begin_object();
        json.key("name").value(c.name).key("kind").value(kind_name(c.kind)).key("parent").value(c.parent);
        json.key("caption").value(c.caption).key("align").value(align_name(c.align));
        write_box(json, box);
        if (c.font) {
            json.key("font").begin_object().key("family").value(c.font->name);
            json.key("px").value(c.font->points * kPixelsPerPoint * placement_.zoom).key("italic").value(c.font->italic);
            json.end_object();
        }
        if (c.fore) json.key("fore").value(css_colour(*c.fore));
        if (c.back) json.key("back").value(css_colour(*c.back));
        json.key("tab").value(c.tab_index).key("selected").value(c.selected);
        json.key("speech").begin_object().key("name").value(speech.name);
        json.key("description").value(speech.description).end_object();
        json.end_object();
    }
    json.end_array().key("full_screen").begin_object().key("parent").value(kFullScreenButton.parent);
    write_box(json, control_box(kFullScreenButton, placement_.zoom, placement_.offset));
    json.end_object().end_object();
    return json.text();
}

std::string PageSession::texts_json() {
    JsonText json;
    json.begin_object();
    write_captions(json);
    if (speech_changed_) {
        speech_changed_ = false;
        write_readings(json);
        json.key("said").begin_array();
        for (const std::string& text : said_) json.value(text);
        json.end_array();
        said_.clear();
    }
    json.end_object();
    return json.text();
}

std::string PageSession::readings_json() const {
    JsonText json;
    json.begin_object();
    write_captions(json);
    write_readings(json);
    json.end_object();
    return json.text();
}

void PageSession::write_captions(JsonText& json) const {
    json.key("captions").begin_object();
    for (const auto& [name, label] : named_captions(model_)) json.key(name).value(label->caption);
    json.end_object();
}

void PageSession::write_readings(JsonText& json) const {
    json.key("spins").begin_object();
    for (const ControlSpec& c : window_layout()) {
        if (c.kind != ControlKind::SpinControl || !c.act) continue;
        const SpinReading r = spin_reading(model_.state, c.act->target);
        json.key(c.name).begin_object().key("name").value(r.name).key("text").value(r.text);
        json.key("value").value(r.value).key("min").value(r.minimum).key("max").value(r.maximum).end_object();
    }
    json.end_object().key("views").begin_object();
    for (const auto& [name, text] : narrator_.view_descriptions(model_.state)) json.key(name).value(text);
    json.end_object();
}

ViewPixels PageSession::view_pixels(std::string_view name) {
    const auto views = named_views(model_);
    const auto named = std::find_if(views.begin(), views.end(), [&](const auto& v) { return v.first == name; });
    if (named == views.end()) return {};
    const auto k = static_cast<std::size_t>(named - views.begin());
    Surface& view = *named->second;
    std::vector<std::uint32_t>& rgba = rgba_.at(k);
    PixelRect changed = view.take_dirty();
    if (whole_view_due_.at(k)) {
        whole_view_due_.at(k) = false;
        rgba.resize(static_cast<std::size_t>(view.width()) * view.height());
        changed = {0, 0, view.width(), view.height()};
    }
    // 0xFFRRGGBB on the surface; red, green, blue, alpha bytes in the canvas,
    // which little-endian memory (WebAssembly's always) holds as the word 0xAABBGGRR.
    static_assert(std::endian::native == std::endian::little);
    const std::uint32_t* screen = view.screen().data();
    std::uint32_t* out = rgba.data();
    for (int y = changed.y0; y < changed.y1; ++y) {
        const std::size_t row = static_cast<std::size_t>(y) * view.width();
        for (std::size_t at = row + changed.x0; at < row + changed.x1; ++at) {
            const std::uint32_t word = screen[at];
            out[at] = 0xFF000000u | (word & 0x0000FF00u) | ((word >> 16) & 0xFFu) | ((word & 0xFFu) << 16);
        }
    }
    return {reinterpret_cast<const std::uint8_t*>(rgba.data()), view.width(), view.height(), changed};
}

}  // namespace af::page
