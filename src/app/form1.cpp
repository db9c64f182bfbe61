#include "app/form1.h"

#include "app/number_text.h"
#include "app/twips.h"

#include <utility>

namespace af {

namespace {

Surface make_view(int width_twips, int height_twips, double ratio) {
    return Surface(twips_to_px(width_twips, ratio), twips_to_px(height_twips, ratio),
                   ratio);
}

}  // namespace

Form1::Form1(WindowHost& host_, double device_pixel_ratio)
    : b_circ(make_view(kCircleViewTwips, kCircleViewTwips, device_pixel_ratio)),
      wave_s{make_view(kWaveViewWidthTwips, kWaveViewHeightTwips, device_pixel_ratio),
             make_view(kWaveViewWidthTwips, kWaveViewHeightTwips, device_pixel_ratio)},
      host(host_),
      device_pixel_ratio_(device_pixel_ratio) {}

void Form1::adopt_views(Form1&& drawn) {
    b_circ = std::move(drawn.b_circ);
    wave_s = std::move(drawn.wave_s);
    device_pixel_ratio_ = drawn.device_pixel_ratio_;
}

void Form1::set_view_width(Surface& view, int twips) {
    view.resize(twips_to_px(twips, device_pixel_ratio_), view.height());
}

void Form1::set_view_height(Surface& view, int twips) {
    view.resize(view.width(), twips_to_px(twips, device_pixel_ratio_));
}

void show_time(Form1& f) {
    f.value_time.Caption = plain_text(f.state.t_ms / f.state.t_unit);
}

}  // namespace af
