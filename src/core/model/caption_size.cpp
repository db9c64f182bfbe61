#include "core/model/caption_size.h"

#include <algorithm>
#include <cmath>

namespace af {

namespace {

constexpr double kSmallest = 1.0;
constexpr double kPrecision = 0.05;  // the search stops once the largest size that fits is known this closely

CaptionProbe done(double size, double step) { return {CaptionProbe::Stage::Done, size, size, size, step}; }

}  // namespace

CaptionProbe first_caption_probe(double laid_out_size, double zoom, bool as_laid_out, double step) {
    const double scaled = laid_out_size * zoom;
    // At the laid-out size a caption of the layout is exactly as laid out.
    if (zoom == 1.0 && as_laid_out) return done(scaled, step);
    return {CaptionProbe::Stage::First, scaled, 0, scaled, step};
}

// Each probe costs a shell a measure (on the desktop, a font of a size not
// used before), so the search goes where the measure puts the answer: text
// grows nearly in proportion to its size, so the size times room over need
// is close to the largest size that fits. From a size that fits, the next
// probe is at least a step larger, so that a caption already at the edge
// of its box is known to be after one more; where the measure would not
// narrow what is known, the sizes between are halved, so that it ends.
CaptionProbe next_caption_probe(const CaptionProbe& probe, bool fits, double room_over_need) {
    if (probe.stage == CaptionProbe::Stage::Done) return probe;
    const double step = probe.step;
    if (probe.stage == CaptionProbe::Stage::First && fits) return done(probe.size, step);
    // What the shell showed: a shell that sets sizes in steps shows the nearest.
    const auto shown = [step](double size) { return step > 0 ? std::round(size / step) * step : size; };
    const double tried = shown(probe.size);
    if (!fits && tried <= kSmallest) return done(kSmallest, step);  // never smaller
    const double low = fits ? tried : probe.low;  // 0: no size known to fit yet
    const double high = fits ? probe.high : tried;
    const double precision = std::max(kPrecision, step);
    // In steps, the largest size the shell still shows as the step that fits,
    // as a search in finer sizes would find.
    const auto settled = [step](double fitting) { return done(step > 0 ? fitting + 0.49 * step : fitting, step); };
    if (low > 0 && high - low <= precision * 1.0001) return settled(low);
    // In steps, a size that fits where the measure puts the next step past
    // the room is the answer: that step would cost a measure to refuse.
    if (step > 0 && fits && tried * room_over_need < tried + step) return settled(low);
    // A step up from a size that fits leaves what is known within the precision when it fails.
    const double up = 0.99 * precision;
    const double measured = tried * room_over_need;
    double next = fits ? std::min(std::max(measured, low + up), high - precision / 2) : std::max(measured, kSmallest);
    if ((low > 0 && next <= low + precision / 2) || next >= high) next = low > 0 ? (low + high) / 2 : tried / 2;
    // From a size too large, the step at or below the measure's, which fits.
    next = step > 0 && !fits ? std::floor(std::max(next, kSmallest) / step + 1e-9) * step : shown(std::max(next, kSmallest));
    // A step shows no size between two steps: the next is one of them, strictly between what is known.
    if (step > 0 && next >= high) next = high - step;
    if (step > 0 && low > 0 && next <= low) next = low + step;
    if (step > 0 && next >= high) return low > 0 ? settled(low) : done(kSmallest, step);
    return {CaptionProbe::Stage::Search, std::max(next, kSmallest), low, high, step};
}

}  // namespace af
