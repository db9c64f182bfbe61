// The page's sound and voice: it plays the samples the core makes, through
// the Web Audio API, and says the sentences the core says, through the Web
// Speech API. Nothing here decides what is heard or said.
'use strict';

(() => {
  const page = (globalThis.angularFrequencyPage ??= {});
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
    // Taken when the voice is first turned on: the browser sets up its
    // speech the first time a page asks for it, which the page's start need not wait for.
    let synthesis = null;
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
      synthesis = window.speechSynthesis;
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

  // The page's sound and voice switches over the core's calls (`api`, as
  // core_api.js makes them): their
  // buttons and keys (`keys`, the core's, by switch name), the player and the
  // voice; `switches`, the numbers the core knows the switches by. `show`
  // shows what the core changed and returns the changes; `hear` plays and
  // says what they hold.
  function wireSoundAndVoice(api, keys, switches, show) {
    const isOn = (name) => api.isOn(switches[name]) === 1;
    // How long a frame stays on the display, from the animation frames'
    // times (the median of the latest, so that one late frame does not count).
    const display = (() => {
      const intervals = [];
      return {
        add(ms) {
          if (!(ms > 3 && ms < 100)) return;
          intervals.push(ms);
          if (intervals.length > 31) intervals.shift();
        },
        seconds() {
          if (!intervals.length) return 1 / 60;
          const sorted = intervals.slice().sort((a, b) => a - b);
          return sorted[sorted.length >> 1] / 1000;
        },
      };
    })();

    const player = createSoundPlayer();
    const voice = createVoice(() => {
      api.missing(switches.voice);
      showSoundNotice(show());
    });
    const names = ['sound', 'voice'];
    const switchButton = (name) => document.getElementById(`${name}_button`);
    function tellSoundOutput() {
      if (player.rate()) api.soundOutput(player.rate(), display.seconds());
    }
    function showSwitches() {
      for (const name of names) switchButton(name).setAttribute('aria-pressed', String(isOn(name)));
    }
    function showSoundNotice(changes) {
      const said = changes.said || [];
      if (!said.length) return;
      const notice = document.getElementById('sound_notice');
      notice.querySelector('p').textContent = said[said.length - 1];
      notice.hidden = false;
    }
    // Browsers start sound only on a user's gesture: the switch's own press,
    // or for a sound the address turned on, the first key or click.
    function wakeSound() {
      if (!isOn('sound')) return;
      if (!player.wake()) {
        api.missing(switches.sound);
        showSoundNotice(show());
        return;
      }
      tellSoundOutput();
    }
    function toggleSwitch(name) {
      const on = !isOn(name);
      api.toggle(switches[name]);
      if (name === 'sound' && on) wakeSound();
      if (name === 'voice' && on) voice.start();
      show();
    }
    for (const name of names) switchButton(name).addEventListener('click', () => toggleSwitch(name));
    document.addEventListener('keydown', (event) => {
      if (event.repeat) return;
      const name = names.find((n) => page.isExtraKey(event, keys[n]));
      if (!name) return;
      event.preventDefault();
      toggleSwitch(name);
    });
    for (const gesture of ['pointerdown', 'keydown']) document.addEventListener(gesture, wakeSound, { capture: true });
    document.getElementById('sound_notice').querySelector('button').addEventListener('click', (event) => {
      event.currentTarget.parentElement.hidden = true;
    });
    showSwitches();
    // After the page has its hold of these: the voice may say at once that there is none.
    if (isOn('voice')) setTimeout(() => voice.start(), 0);

    return {
      display,
      tellSoundOutput,
      hear(changes) {
        if (changes.samples) {
          player.play(api.samples(), changes.sound_continues);
        }
        if (changes.switches) {
          showSwitches();
          if (!changes.switches.voice) voice.silence();
        }
        if (changes.spoken && isOn('voice')) voice.say(changes.spoken);
      },
      hooks: { context: player.context, output: player.output, underruns: player.underruns, voice: voice.voice, frameSeconds: display.seconds },
    };
  }

  page.wireSoundAndVoice = wireSoundAndVoice;
})();
