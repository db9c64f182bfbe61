// Pitch heard in a recording, estimated from zero crossings, for the sound
// tests: a contour in short windows, and how often it rises and falls.

// The pitch in each window (Hz), from the times the wave crosses zero,
// interpolated between samples; 0 where the window is too quiet for a tone.
export function pitchTrack(x, rate, windowSeconds = 0.02, quiet = 1000 / 32768) {
  const n = Math.round(rate * windowSeconds);
  const track = [];
  for (let from = 0; from + n <= x.length; from += n) {
    let energy = 0;
    const crossings = [];
    for (let k = from + 1; k < from + n; ++k) {
      energy += x[k] * x[k];
      if ((x[k - 1] < 0) !== (x[k] < 0)) crossings.push(k - 1 + x[k - 1] / (x[k - 1] - x[k]));
    }
    const loud = Math.sqrt(energy / n) > quiet;
    track.push(loud && crossings.length > 2
      ? ((crossings.length - 1) * rate) / (2 * (crossings[crossings.length - 1] - crossings[0])) : 0);
  }
  return track;
}

export const cents = (heard, expected) => 1200 * Math.log2(heard / expected);

// How often the contour rises and then falls, each by more than a semitone.
export function risesAndFalls(track) {
  let peaks = 0, low = 0, high = 0, rising = false;
  for (const hz of track) {
    if (hz <= 0) continue;
    if (low === 0) low = high = hz;
    low = Math.min(low, hz);
    high = Math.max(high, hz);
    if (!rising && cents(hz, low) > 100) {
      rising = true;
      high = hz;
    } else if (rising && cents(high, hz) > 100) {
      rising = false;
      ++peaks;
      low = hz;
    }
  }
  return peaks;
}
