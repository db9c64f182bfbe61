#include "core/model/caption_size.h"

#include <algorithm>

namespace af {

namespace {

constexpr double kSmallest = 1.0;
constexpr double kPrecision = 0.05;  // the search stops once low and high are this close

CaptionProbe halve(double low, double high) {
    if (high - low <= kPrecision) return {CaptionProbe::Stage::Done, low, low, high};
    return {CaptionProbe::Stage::Halve, (low + high) / 2, low, high};
}

}  // namespace

CaptionProbe first_caption_probe(double laid_out_size, double zoom, const Language& language) {
    const double scaled = laid_out_size * zoom;
    // At the laid-out size a caption of the layout is exactly as laid out.
    if (zoom == 1.0 && language.is_layouts_own()) return {CaptionProbe::Stage::Done, scaled, scaled, scaled};
    return {CaptionProbe::Stage::First, scaled, 0, scaled};
}

CaptionProbe next_caption_probe(const CaptionProbe& probe, bool fits, double room_over_need) {
    switch (probe.stage) {
    case CaptionProbe::Stage::First: {
        if (fits) return {CaptionProbe::Stage::Done, probe.size, probe.size, probe.size};
        // Text scales nearly in proportion: start from the proportional guess
        // and shrink to a size that fits, then halve up to the largest that does.
        const double guess = std::max(kSmallest, probe.size * std::min(room_over_need, 1.0));
        if (guess <= kSmallest) return halve(kSmallest, probe.high);
        return {CaptionProbe::Stage::Shrink, guess, 0, probe.high};
    }
    case CaptionProbe::Stage::Shrink: {
        if (fits) return halve(probe.size, probe.high);
        const double smaller = std::max(kSmallest, probe.size * 0.95);
        if (smaller <= kSmallest) return halve(kSmallest, probe.high);
        return {CaptionProbe::Stage::Shrink, smaller, 0, probe.high};
    }
    case CaptionProbe::Stage::Halve:
        return fits ? halve(probe.size, probe.high) : halve(probe.low, probe.size);
    case CaptionProbe::Stage::Done:
        break;
    }
    return probe;
}

}  // namespace af
