// The functions the page's script calls. Strings returned stay valid until
// the next call of the same function.
#include <emscripten/emscripten.h>

#include <array>
#include <memory>
#include <string>

#include "core/session/session.h"

namespace {

std::unique_ptr<af::page::PageSession> session;
std::string layout_text, texts_text;
// Address, width, height and the changed rectangle (x0, y0, x1, y1) of a view's pixels.
std::array<std::int32_t, 7> view_record{};

}  // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE void af_start(int width, int height, double device_pixel_ratio) {
    session = std::make_unique<af::page::PageSession>(af::Size{width, height}, device_pixel_ratio);
}

EMSCRIPTEN_KEEPALIVE void af_press(const char* control, int down) {
    if (!control) return;
    session->press(control, down ? af::Direction::Down : af::Direction::Up);
}

EMSCRIPTEN_KEEPALIVE void af_frame_due() { session->frame_due(); }

EMSCRIPTEN_KEEPALIVE void af_focus_moved() { session->focus_moved(); }

EMSCRIPTEN_KEEPALIVE void af_fit(int width, int height, double device_pixel_ratio) {
    session->fit({width, height}, device_pixel_ratio);
}

EMSCRIPTEN_KEEPALIVE int af_busy() { return session->busy() ? 1 : 0; }

EMSCRIPTEN_KEEPALIVE int af_frames_drawn() { return session->frames_drawn(); }

EMSCRIPTEN_KEEPALIVE int af_take_layout_changed() { return session->take_layout_changed() ? 1 : 0; }

EMSCRIPTEN_KEEPALIVE const char* af_layout_json() {
    layout_text = session->layout_json();
    return layout_text.c_str();
}

EMSCRIPTEN_KEEPALIVE const char* af_texts_json() {
    texts_text = session->texts_json();
    return texts_text.c_str();
}

EMSCRIPTEN_KEEPALIVE const std::int32_t* af_view_pixels(const char* view) {
    const af::page::ViewPixels p = session->view_pixels(view ? view : "");
    view_record = {static_cast<std::int32_t>(reinterpret_cast<std::uintptr_t>(p.rgba)),
                   p.width,
                   p.height,
                   p.changed.x0,
                   p.changed.y0,
                   p.changed.x1,
                   p.changed.y1};
    return view_record.data();
}

}  // extern "C"
