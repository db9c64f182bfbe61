// The page's sound and voice. The sound, tapped where it leaves for the
// speakers, rises and falls once on the left and twice on the right during
// a run, between the pitches of the lowest and highest heights, for as long
// as the run is on show. The switches are toggle buttons and keys, said when
// turned and kept in the address (the test starts a sound server for the
// browser to play to). speechSynthesis (stubbed, since the
// engines here have no voices) is handed RESET's sentence in the page's
// language; where no voice speaks it, a notice and nothing said. The
// sentences below are written by hand.
import { test, describe, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { engines, launch, open, close, idle, clickOn, focus, attribute, pause, waitFor } from './page.mjs';
import { pitchTrack, risesAndFalls, cents } from './pitch.mjs';
import { startSoundServer } from './sound_server.mjs';

const said = (session) => session.evaluate(() => [...document.querySelectorAll('#announcements p')].map((p) => p.textContent));

// A stand-in for the engine's speech: the voices given, and every call noted.
const speechStub = (voices) => `(() => {
  const voices = ${JSON.stringify(voices)};
  window.spoken = [];
  Object.defineProperty(window, 'speechSynthesis', { configurable: true, value: {
    getVoices: () => voices, addEventListener() {}, cancel() { window.spoken.push('cancel'); },
    speak(u) { window.spoken.push({ text: u.text, lang: u.lang, voice: u.voice && u.voice.name }); },
  } });
  window.SpeechSynthesisUtterance = class { constructor(text) { this.text = text; } };
})();`;
const german = { name: 'Deutsch', lang: 'de-DE', default: false };
const english = { name: 'English', lang: 'en-US', default: true };

// Not WebKit: WebKitGTK here plays the first buffers of a run over each
// other (its audio clock jumps as it starts), and its driver runs no script
// before the page's own, to stub speech with.
for (const engine of engines(['chromium', 'firefox'])) {
  describe(`sound and voice in ${engine}`, () => {
    let browser, sound;
    // Firefox's audio runs only with a sound server to play to.
    before(async () => {
      sound = await startSoundServer();
      browser = await launch(engine);
    });
    after(async () => {
      await browser.close();
      sound.stop();
    });

    test('a run heard rising and falling once on the left and twice on the right', async () => {
      const session = await open(browser);
      await clickOn(session, 'sound_button');
      assert.equal(await attribute(session, 'sound_button', 'aria-pressed'), 'true');
      // Everything the page plays goes through its output on the way to the speakers.
      const running = await waitFor(session, () => window.angularFrequency.sound.context()?.state === 'running', null, 10000)
        .catch(() => false);
      assert.ok(running, 'the audio context never ran');
      await session.evaluate(() => {
        const { context, output } = window.angularFrequency.sound;
        const tap = context().createScriptProcessor(4096, 2, 2);
        window.tapped = { rate: context().sampleRate, left: [], right: [] };
        tap.onaudioprocess = (e) => {
          window.tapped.left.push(Float32Array.from(e.inputBuffer.getChannelData(0)));
          window.tapped.right.push(Float32Array.from(e.inputBuffer.getChannelData(1)));
        };
        output().connect(tap);
        tap.connect(context().destination);
        window.keepTap = tap;
      });
      const framesBefore = await session.evaluate(() => window.angularFrequency.frameTimes().length);
      await clickOn(session, 'run_button');
      await idle(session);
      // Until the tap has had the whole sound and a quarter of a second of
      // silence after it, however late a busy browser renders it.
      await waitFor(session, () => {
        const { rate, left } = window.tapped;
        const quiet = Math.round(rate / 4);
        let n = 0, loudBefore = false, loudAfter = false;
        for (let p = left.length - 1; p >= 0; --p) {
          for (let k = left[p].length - 1; k >= 0; --k, ++n) {
            const loud = Math.abs(left[p][k]) > 0.01;
            if (n < quiet) loudAfter ||= loud;
            else loudBefore ||= loud;
          }
        }
        return n > quiet && loudBefore && !loudAfter;
      }, null, 20000);
      const heard = await session.evaluate(() => {
        const join = (parts) => {
          const all = new Int16Array(parts.reduce((n, p) => n + p.length, 0));
          let at = 0;
          for (const p of parts) for (let k = 0; k < p.length; ++k) all[at++] = Math.round(p[k] * 32767);
          let text = '';
          const bytes = new Uint8Array(all.buffer);
          for (let k = 0; k < bytes.length; k += 0x8000) text += String.fromCharCode(...bytes.subarray(k, k + 0x8000));
          return btoa(text);
        };
        return { rate: window.tapped.rate, left: join(window.tapped.left), right: join(window.tapped.right),
          underruns: window.angularFrequency.sound.underruns() };
      });
      const times = (await session.evaluate(() => window.angularFrequency.frameTimes())).slice(framesBefore);
      await close(session);
      const channel = (text) => Float32Array.from(new Int16Array(Buffer.from(text, 'base64').buffer.slice(0)), (v) => v / 32768);
      const left = pitchTrack(channel(heard.left), heard.rate);
      const right = pitchTrack(channel(heard.right), heard.rate);
      assert.equal(risesAndFalls(left), 1, 'the left side');
      assert.equal(risesAndFalls(right), 2, 'the right side');
      // Lengths 10 of 15: up to 440 * 2^(2/3) Hz and down to 440 / 2^(2/3).
      for (const track of [left, right]) {
        const heardHz = track.filter((hz) => hz > 0);
        assert.ok(Math.abs(cents(Math.max(...heardHz), 440 * 2 ** (2 / 3))) < 30, `highest ${Math.max(...heardHz)} Hz`);
        assert.ok(Math.abs(cents(Math.min(...heardHz), 440 / 2 ** (2 / 3))) < 30, `lowest ${Math.min(...heardHz)} Hz`);
      }
      // As long as the run's frames were on show, from the first to the last
      // and its interval; a browser too busy to play in time leaves a gap of
      // up to the lead (0.08 s) each time it runs dry.
      const sounding = left.map((hz, k) => (hz > 0 ? k : -1)).filter((k) => k >= 0);
      const heardSeconds = (sounding[sounding.length - 1] - sounding[0] + 1) * 0.02;
      const shownSeconds = ((times[times.length - 1] - times[0]) * 101) / 100 / 1000;
      assert.ok(Math.abs(heardSeconds - shownSeconds) < 0.1 + 0.1 * heard.underruns,
        `heard ${heardSeconds} s of a run shown for ${shownSeconds} s, ${heard.underruns} underruns`);
    });

    test('the switches: toggle buttons and keys, said when turned, kept in the address', async () => {
      const session = await open(browser, { initScript: speechStub([english]) });
      await focus(session, 'run_button');
      await session.press('F2');
      await session.press('F4');
      const on = await session.evaluate(() => ({
        sound: document.getElementById('sound_button').getAttribute('aria-pressed'),
        voice: document.getElementById('voice_button').getAttribute('aria-pressed'), query: location.search,
      }));
      await session.press('F2');
      const off = await attribute(session, 'sound_button', 'aria-pressed');
      const sentences = await said(session);
      const spoken = await session.evaluate(() => window.spoken);
      await close(session);
      assert.deepEqual(on, { sound: 'true', voice: 'true', query: '?sound=on&voice=on' });
      assert.equal(off, 'false');
      assert.deepEqual(sentences.slice(-3), ['sound on', 'voice on', 'sound off']);
      // The voice says what a screen reader is told, the last cutting off the one before.
      assert.deepEqual(spoken.filter((s) => s !== 'cancel'), [{ text: 'voice on', lang: 'en', voice: 'English' }, { text: 'sound off', lang: 'en', voice: 'English' }]);
    });

    test("RESET's sentence handed to speechSynthesis in a German voice", async () => {
      const session = await open(browser, { query: 'lang=de&voice=on', initScript: speechStub([english, german]) });
      await clickOn(session, 'reset_button');
      await waitFor(session, () => window.spoken.some((s) => s.text));
      const spoken = await session.evaluate(() => window.spoken);
      await close(session);
      assert.deepEqual(spoken.filter((s) => s !== 'cancel'), [{ text: 'Zeit 0, Spuren gelöscht', lang: 'de', voice: 'Deutsch' }]);
      assert.equal(spoken[0], 'cancel', 'what was being said is cut off first');
    });

    test('no voice of the language: a notice, and nothing said', async () => {
      const session = await open(browser, { query: 'lang=de', initScript: speechStub([english]) });
      await focus(session, 'run_button');
      await session.press('F4');
      await waitFor(session, () => !document.getElementById('sound_notice').hidden, null, 5000);
      await clickOn(session, 'reset_button');
      await pause(300);
      const seen = await session.evaluate(() => ({
        notice: document.querySelector('#sound_notice p').textContent, spoken: window.spoken.filter((s) => s.text),
      }));
      const sentences = await said(session);
      await close(session);
      const none = 'keine Stimme für diese Sprache gefunden, daher bleibt die Stimme stumm';
      assert.deepEqual(seen, { notice: none, spoken: [] });
      assert.equal(sentences.filter((s) => s === none).length, 1, 'said once');
    });
  });
}
