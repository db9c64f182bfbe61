// The page's sound during paced runs of 501 frames (the 0.002 time step) in
// chromium and Firefox: how often the page's audio ran dry while a tone was
// under way, and how long the runs took against their frames' interval.
// node bench/page_sound_bench.mjs [PAGE] [ENGINES]
import { resolve } from 'node:path';

process.env.AF_PAGE = resolve(process.argv[2] || 'build/web/angular-frequency.html');
const { launch, open, close, idle, clickOn } = await import('../tests/shells/page/page.mjs');
const { startSoundServer } = await import('../tests/shells/page/sound_server.mjs');

const sound = await startSoundServer();  // Firefox plays only to a sound server
try {
  for (const engine of (process.argv[3] || 'chromium,firefox').split(',')) {
    const browser = await launch(engine);
    const session = await open(browser);
    await clickOn(session, 'sound_button');
    await clickOn(session, 'time_step_0.002');
    for (let run = 1; run <= 3; ++run) {
      const before = await session.evaluate(() => ({ underruns: window.angularFrequency.sound.underruns(), frames: window.angularFrequency.frameTimes().length }));
      await clickOn(session, 'run_button');
      await idle(session);
      await new Promise((r) => setTimeout(r, 300));
      const after = await session.evaluate(() => ({ underruns: window.angularFrequency.sound.underruns(), times: window.angularFrequency.frameTimes(),
        interval: window.angularFrequency.sound.frameSeconds() }));
      const times = after.times.slice(before.frames);
      const ratio = (times[times.length - 1] - times[0]) / 1000 / (500 * after.interval);
      console.log(`${engine} run ${run}: ${times.length} frames in ${ratio.toFixed(4)} x their interval (${(after.interval * 1000).toFixed(2)} ms), ${after.underruns - before.underruns} underruns`);
    }
    await close(session);
    await browser.close();
  }
} finally {
  sound.stop();
}
