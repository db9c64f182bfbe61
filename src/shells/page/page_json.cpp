#include "shells/page/page_json.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <utility>
#include <vector>

#include "core/acts/spoken_text.h"
#include "core/extras/extras.h"
#include "core/language/choose_language.h"
#include "core/model/control_input.h"
#include "core/model/font_faces.h"
#include "core/model/layout.h"
#include "core/model/reading_order.h"
#include "core/model/shown_caption.h"
#include "core/model/window_fit.h"
#include "core/pixels/colour.h"
#include "shells/page/json_text.h"
#include "shells/page/page_buttons.h"
#include "shells/page/page_words.h"
#include "shells/page/share_words.h"

namespace af::page {

namespace {

std::string css_colour(std::uint32_t bgr) {
    const Rgb c = rgb_of(bgr);
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", c.red, c.green, c.blue);
    return text;
}

std::string_view kind_name(ControlKind kind) {
    switch (kind) {
    case ControlKind::Group:
        return "group";
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

void write_box(JsonText& json, const Rect& box) {
    json.key("box").begin_array().value(box.x).value(box.y).value(box.width).value(box.height).end_array();
}

// CSS pixels per point: 96 pixels an inch, 72 points.
constexpr double kPixelsPerPoint = 96.0 / 72.0;

// The laid-out size: the page scales it by the layout's zoom, and the caption
// search starts from it, as the desktop's does from its laid-out points.
void write_font(JsonText& json, const ControlSpec& c, const Language& language) {
    const FontSpec& font = *c.font;
    const FontFace* face = font_face(font.name);
    // The language's own face first, where it has one, but for a symbol; the
    // layout's font, as embedded, after it.
    json.key("font").begin_object().key("families").begin_array();
    if (const FontFace* own = language_face(font.name, caption_language(c, language).tag())) json.value(page_family(*own));
    json.value(font.name).end_array();
    json.key("generic").value(generic_family(face ? face->kind : FontKind::SansSerif));
    json.key("px").value(font.points * kPixelsPerPoint).key("italic").value(font.italic);
    json.end_object();
}

// The smallest zoom at which a finger can press each control (it is 24 CSS
// px each way, or its centre is 24 px from every other's, as the guidelines
// for touch targets ask) and every caption's font is at least 12 px, the
// least phones' browsers hold legible: on a small touch screen the page keeps
// the window at least this large and scrolls.
// A control's box in the window at zoom 1, its parents' corners added.
Rect window_box(const ControlSpec& c) {
    Rect box = control_box(c, 1, {});
    for (const ControlSpec* parent = layout_control(c.parent); parent; parent = layout_control(parent->parent)) {
        const Rect corner = control_box(*parent, 1, {});
        box.x += corner.x;
        box.y += corner.y;
    }
    return box;
}

double touch_zoom() {
    constexpr double kFingerPx = 24, kLegiblePx = 12;
    std::vector<Rect> pressed;
    double zoom = 1;
    for (const ControlSpec& c : window_layout()) {
        if (c.focus != kNoFocus && c.kind != ControlKind::Picture) pressed.push_back(window_box(c));
        if (c.font) zoom = std::max(zoom, kLegiblePx / (c.font->points * kPixelsPerPoint));
    }
    for (const PageButton& button : page_buttons()) pressed.push_back(window_box(page_button_control(button)));
    const auto centre = [](const Rect& r) { return std::pair{r.x + r.width / 2.0, r.y + r.height / 2.0}; };
    for (const Rect& box : pressed) {
        double nearest = std::numeric_limits<double>::infinity();
        for (const Rect& other : pressed) {
            if (&other == &box) continue;
            const auto [x, y] = centre(box);
            const auto [u, v] = centre(other);
            nearest = std::min(nearest, std::hypot(x - u, y - v));
        }
        zoom = std::max(zoom, std::min(kFingerPx / std::min(box.width, box.height), kFingerPx / nearest));
    }
    return zoom;
}

void write_held_press(JsonText& json, ControlKind kind) {
    const HeldPress held = held_press(kind);
    json.key("held").begin_object().key("repeats").value(held.repeats);
    json.key("first_repeat_ms").value(held.first_repeat_ms).key("repeat_ms").value(held.repeat_ms);
    json.key("key_repeats").value(held.key_repeats).end_object();
}

void write_captions(JsonText& json, const std::vector<std::pair<std::string_view, std::string>>& captions) {
    json.key("captions").begin_object();
    for (const auto& [name, caption] : captions) json.key(name).value(caption);
    json.end_object();
}

void write_readings(JsonText& json, const Session& session) {
    json.key("spins").begin_object();
    for (const auto& [name, r] : session.spin_readings()) {
        json.key(name).begin_object().key("name").value(r.name).key("text").value(r.text);
        json.key("value").value(r.value).key("min").value(r.minimum).key("max").value(r.maximum).end_object();
    }
    json.end_object().key("views").begin_object();
    for (const auto& [name, text] : session.view_descriptions()) json.key(name).value(text);
    json.end_object();
}

void write_switches(JsonText& json, const Session& session) {
    json.key("switches").begin_object().key("sound").value(session.is_on(Extra::Sound));
    json.key("voice").value(session.is_on(Extra::Voice)).end_object();
}

// The page's buttons in its language, each with its key, in the layout's order.
void write_button_words(JsonText& json, const Language& language) {
    json.key("buttons").begin_array();
    for (const PageButton& button : page_buttons()) {
        const ExtraRow& extra = extra_row(button.extra);
        json.begin_object().key("name").value(extra.control).key("label").value(page_button_label(button, language));
        json.key("tooltip").value(page_button_tooltip(button, language)).key("key").value(extra.key);
        json.key("switch").value(extra.is_switch).end_object();
    }
    json.end_array();
}

void write_share_words(JsonText& json, const ShareWords& w) {
    json.key("share").begin_object().key("link").value(w.link).key("copy_link").value(w.copy_link);
    json.key("copied").value(w.copied).key("qr").value(w.qr).key("qr_hint").value(w.qr_hint);
    json.key("qr_from_file").value(w.qr_from_file).key("frame").value(w.frame).key("copy_frame").value(w.copy_frame);
    json.key("save").value(w.save).key("save_hint").value(w.save_hint).key("short_name").value(w.short_name);
    // A course page's frame for the page, at its laid-out size.
    const Size frame = laid_out_client();
    json.key("frame_size").begin_array().value(frame.width).value(frame.height).end_array();
    json.end_object();
}

void write_words(JsonText& json, const Language& language) {
    const PageWords words = page_words(language);
    json.begin_object().key("lang").value(language.tag()).key("dir").value(language.right_to_left() ? "rtl" : "ltr");
    json.key("title").value(words.title);
    json.key("summary").value(words.summary).key("setup_refused").value(words.setup_refused);
    write_button_words(json, language);
    json.key("close").value(words.close).key("no_webassembly").value(words.no_webassembly);
    json.key("no_javascript").value(words.no_javascript).key("could_not_start").value(words.could_not_start);
    write_share_words(json, share_words(language));
    json.end_object();
}

}  // namespace

std::string layout_json(const Placement& placement, const Language& language) {
    const std::vector<const ControlSpec*> order = reading_order();
    const auto place_of = [&](const ControlSpec& c) {
        for (std::size_t k = 0; k < order.size(); ++k) {
            if (order[k] == &c) return static_cast<int>(k);
        }
        return -1;
    };
    JsonText json;
    json.begin_object().key("zoom").value(placement.zoom);
    // The numbers the page hands back for a control's part and for a switch,
    // as the core numbers them.
    json.key("parts").begin_object().key("whole").value(static_cast<int>(ControlPart::Whole));
    json.key("up").value(static_cast<int>(ControlPart::Up)).key("down").value(static_cast<int>(ControlPart::Down));
    json.end_object().key("switches").begin_object().key("sound").value(static_cast<int>(Extra::Sound));
    json.key("voice").value(static_cast<int>(Extra::Voice)).end_object();
    const Size laid_out = laid_out_client();
    const double touch = touch_zoom();
    json.key("touch_room").begin_array().value(std::ceil(laid_out.width * touch)).value(std::ceil(laid_out.height * touch));
    json.end_array();
    json.key("controls").begin_array();
    for (const ControlSpec& c : window_layout()) {
        const ControlSpeech speech = control_speech(c.name, language);
        json.begin_object();
        json.key("name").value(c.name).key("kind").value(kind_name(c.kind)).key("parent").value(c.parent);
        json.key("caption").value(shown_caption(c, language)).key("align").value(align_name(c.align));
        if (caption_right_to_left(c, language)) json.key("dir").value("rtl");
        write_box(json, control_box(c, placement.zoom, placement.offset));
        if (c.font) write_font(json, c, language);
        if (c.fore) json.key("fore").value(css_colour(*c.fore));
        if (c.back) json.key("back").value(css_colour(*c.back));
        json.key("order").value(place_of(c)).key("holds").value(holds_children(c));
        json.key("tab").value(c.focus).key("selected").value(c.selected);
        if (c.act) write_held_press(json, c.kind);
        json.key("speech").begin_object().key("name").value(speech.name);
        json.key("description").value(speech.description).end_object();
        json.end_object();
    }
    json.end_array();
    json.key("buttons").begin_array();
    for (const PageButton& button : page_buttons()) {
        const ControlSpec place = page_button_control(button);
        json.begin_object().key("name").value(place.name).key("parent").value(place.parent);
        write_box(json, control_box(place, placement.zoom, placement.offset));
        json.end_object();
    }
    json.end_array();
    json.end_object();
    return json.text();
}

std::string rows_json() {
    const auto pair = [](JsonText& json, std::string_view key, TwipsSize size) {
        json.key(key).begin_array().value(size.width).value(size.height).end_array();
    };
    JsonText json;
    json.begin_object();
    pair(json, "client_twips", kClientTwips);
    pair(json, "outer_twips", kOuterTwipsAtStart);
    json.key("controls").begin_array();
    for (const ControlSpec& c : window_layout()) {
        json.begin_object().key("name").value(c.name).key("kind").value(kind_name(c.kind)).key("parent").value(c.parent);
        json.key("twips").begin_array().value(c.twips.left).value(c.twips.top).value(c.twips.width).value(c.twips.height);
        json.end_array().key("focus").value(c.focus).key("selected").value(c.selected).end_object();
    }
    json.end_array().end_object();
    return json.text();
}

std::string changes_json(const Session& session, const SessionChanges& changes) {
    JsonText json;
    json.begin_object().key("layout").value(changes.placement).key("frames").value(changes.frames_drawn);
    if (changes.run_began) json.key("run_began").value(true);
    write_captions(json, changes.captions);
    if (changes.readings) write_readings(json, session);
    json.key("said").begin_array();
    for (const std::string& text : changes.said) json.value(text);
    json.end_array();
    // What the voice says of them: one utterance, so that the last does not cut off the first.
    std::string spoken;
    for (const std::string& text : changes.said) spoken = value_then(spoken, text, session.language());
    if (!spoken.empty()) json.key("spoken").value(spoken);
    if (!changes.sound.empty()) {
        json.key("samples").value(static_cast<double>(changes.sound.size()));
        json.key("sound_continues").value(session.sound_continues());
    }
    if (changes.switches) write_switches(json, session);
    json.end_object();
    return json.text();
}

std::string readings_json(const Session& session) {
    JsonText json;
    json.begin_object();
    write_captions(json, session.captions());
    write_readings(json, session);
    json.key("chosen").begin_array();
    for (const std::string_view name : session.chosen_options()) json.value(name);
    json.end_array();
    write_switches(json, session);
    json.end_object();
    return json.text();
}

std::string refused_json(const std::vector<SetupRefusal>& refused) {
    JsonText json;
    json.begin_array();
    for (const SetupRefusal& r : refused) json.value(r.message);
    json.end_array();
    return json.text();
}

std::string words_json(const Language& language) {
    JsonText json;
    write_words(json, language);
    return json.text();
}

std::string every_languages_words_json() {
    JsonText json;
    json.begin_object();
    for (const Language& language : available_languages()) {
        json.key(language.tag());
        write_words(json, language);
    }
    json.end_object();
    return json.text();
}

}  // namespace af::page
