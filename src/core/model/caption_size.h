#pragma once

namespace af {

// How large a caption is set at a zoom: in its laid-out size times the zoom
// when its text fits its box there, else in the largest size at which it
// fits (to a twentieth of a point or pixel, or to a shell's step). At zoom 1
// a caption that shows the text the layout was made for is set exactly as
// laid out, whole or not; a translation, which the layout was not made for,
// is fitted there too. Each shell measures text its own way, so the search goes
// a probe at a time: the shell sets the size a probe names, measures, and
// hands back whether the text fitted and by how much (the smaller of room
// over need across and down). Sizes are in whatever unit the shell sets
// fonts in (points, CSS pixels).
struct CaptionProbe {
    enum class Stage { First, Search, Done };
    Stage stage = Stage::First;
    double size = 0;  // the size to try next; once done, the size to set
    double low = 0;   // the largest size known to fit
    double high = 0;  // the smallest size known not to
    double step = 0;  // a shell that shows sizes only in steps (whole pixels): the step; 0 where any size shows
    bool done() const { return stage == Stage::Done; }
};

// `as_laid_out`: the caption shows the text the layout was made for.
CaptionProbe first_caption_probe(double laid_out_size, double zoom, bool as_laid_out, double step = 0);
// `room_over_need`: room / need, the smaller of the two directions.
CaptionProbe next_caption_probe(const CaptionProbe& probe, bool fits, double room_over_need);

}  // namespace af
