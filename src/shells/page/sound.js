// The page's sound and voice: it plays the samples the core makes, through
// the Web Audio API, and says the sentences the core says, through the Web
// Speech API. Nothing here decides what is heard or said.
'use strict';

// Plays 16-bit stereo samples one buffer after the other, each starting where
// the last ended. Browsers start audio only on a user's gesture, so the
// context is made (or resumed) by `wake`, which the page calls from one.
function createSoundPlayer() {
  // Ahead of a sound that starts from nothing, so that the next frame's
  // samples come before these have played (the picture leads by as much).
  const leadSeconds = 0.08;
  let context = null;
  let output = null;  // every buffer goes through this on its way to the speakers
  let nextFrame = 0;  // where the next buffer starts, in sample frames of the context
  let moreFollow = false;
  let underruns = 0;

  function wake() {
    if (!context) {
      const Context = window.AudioContext || window.webkitAudioContext;
      if (!Context) return false;
      try {
        context = new Context({ latencyHint: 'interactive' });
      } catch {
        return false;
      }
      output = context.createGain();
      output.connect(context.destination);
    }
    if (context.state === 'suspended') context.resume().catch(() => {});
    return true;
  }

  // `samples`: an Int16Array, left and right in turn, at the context's rate.
  function play(samples, more) {
    if (!context || samples.length < 2) return;
    const frames = samples.length >> 1;
    const buffer = context.createBuffer(2, frames, context.sampleRate);
    const left = buffer.getChannelData(0);
    const right = buffer.getChannelData(1);
    for (let k = 0; k < frames; ++k) {
      left[k] = samples[2 * k] / 32768;
      right[k] = samples[2 * k + 1] / 32768;
    }
    const source = context.createBufferSource();
    source.buffer = buffer;
    source.connect(output);
    const now = Math.ceil(context.currentTime * context.sampleRate);
    if (nextFrame < now) {
      // The last buffer has run out: a tone under way has a gap.
      if (moreFollow) ++underruns;
      nextFrame = now + Math.round(leadSeconds * context.sampleRate);
    }
    source.start(nextFrame / context.sampleRate);
    nextFrame += frames;
    moreFollow = more;
  }

  return {
    wake,
    play,
    rate: () => (context ? context.sampleRate : 0),
    running: () => Boolean(context) && context.state === 'running',
    context: () => context,
    output: () => output,
    underruns: () => underruns,
  };
}

// Says sentences in a voice of the document's language, each cutting off the
// one before. Where no voice speaks that language, `noVoice` is called and
// nothing is said: a German sentence is never read in an English voice.
function createVoice(noVoice) {
  const synthesis = window.speechSynthesis;
  let voice = null;
  let known = false;  // whether a voice of the language is known
  let waiting = '';   // said before that was known

  const primary = (tag) => String(tag || '').toLowerCase().split(/[-_]/)[0];

  function choose() {
    const lang = document.documentElement.lang;
    const voices = synthesis.getVoices();
    const same = voices.filter((v) => primary(v.lang) === primary(lang));
    voice = same.find((v) => v.lang.toLowerCase().replace('_', '-') === lang.toLowerCase()) || same.find((v) => v.default) || same[0] || null;
    known = true;
    if (!voice) {
      noVoice();
      return;
    }
    if (waiting) say(waiting);
    waiting = '';
  }

  // Voices may come a while after the page opens; a browser that never lists
  // any has none.
  function start() {
    if (known) return;
    if (!synthesis || typeof SpeechSynthesisUtterance !== 'function') {
      known = true;
      noVoice();
      return;
    }
    if (synthesis.getVoices().length) {
      choose();
      return;
    }
    let decided = false;
    const decide = () => {
      if (decided) return;
      decided = true;
      choose();
    };
    synthesis.addEventListener('voiceschanged', decide, { once: true });
    setTimeout(decide, 2000);
  }

  function say(text) {
    if (!text) return;
    if (!known) {
      waiting = text;
      return;
    }
    if (!voice) return;
    synthesis.cancel();
    const utterance = new SpeechSynthesisUtterance(text);
    utterance.lang = document.documentElement.lang;
    utterance.voice = voice;
    synthesis.speak(utterance);
  }

  function silence() {
    waiting = '';
    if (synthesis && known) synthesis.cancel();
  }

  return { start, say, silence, voice: () => voice };
}
