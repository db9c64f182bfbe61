// The run's frames: each animation frame puts at most one new frame of a run
// on show, and tells the core how long the run has been on show, so that a
// slow display skips frames rather than slowing time.
'use strict';

(() => {
  const page = (globalThis.angularFrequencyPage ??= {});

  // `show()` shows what the core changed; `beforeFrame` runs first in each
  // animation frame, `onInterval(ms)` hears the display's intervals, and
  // `onFirstFrame` runs once the first frame is put on show.
  function frameLoop(api, { show, beforeFrame, onInterval, onFirstFrame }) {
    let requested = false;
    let pressedFrameUnseen = false;  // a press drew a run's first frame; it has not been shown yet
    let shown = 0;
    let drawn = 0;  // drawn since the last animation frame
    let runShownAt = 0;  // the animation frame's time at which the run's first frame was shown
    let runBegan = false;  // a run's first frame is drawn, to be shown in this animation frame or the next
    let first = true;
    let lastTime;
    const times = [];

    function request() {
      if (requested) return;
      requested = true;
      requestAnimationFrame(onAnimationFrame);
    }

    function onAnimationFrame(time) {
      requested = false;
      // A browser that falls behind may call back twice for one frame; the
      // frame on show keeps its place until a new one begins.
      if (time === lastTime) {
        request();
        return;
      }
      if (lastTime !== undefined) onInterval(time - lastTime);
      lastTime = time;
      beforeFrame();
      if (pressedFrameUnseen) pressedFrameUnseen = false;
      else api.frameDue((time - runShownAt) / 1000);
      show();
      if (runBegan) {
        runBegan = false;
        runShownAt = time;
      }
      if (drawn) {
        shown += drawn;
        drawn = 0;
        times.push(time);
      }
      if (first) {
        first = false;
        onFirstFrame();
      }
      if (api.busy()) request();
    }

    return {
      request,
      // A press that drew a frame: it is on show in the coming animation frame.
      pressDrewFrame() { pressedFrameUnseen = true; },
      noteChanges(changes) {
        if (changes.run_began) runBegan = true;
        drawn += changes.frames;
      },
      framesShown: () => shown,
      frameTimes: () => times.slice(),
    };
  }

  page.frameLoop = frameLoop;
})();
