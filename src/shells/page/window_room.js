// The room the core fits the window to. On a small touch screen the window
// keeps at least the core's touch room (`touchRoom`, in CSS px), at which a
// finger can press each control and each caption can be read, and the page
// scrolls; elsewhere the window is the viewport.
'use strict';

(() => {
  const page = (globalThis.angularFrequencyPage ??= {});
  // `root`: the window's element. Returns the room for a viewport's size,
  // the window's element sized to it where it is larger.
  function windowRoom(root, touchRoom) {
    const least = matchMedia('(pointer: coarse)').matches ? touchRoom : [0, 0];
    return ([width, height]) => {
      const size = [Math.max(width, least[0]), Math.max(height, least[1])];
      const scrolls = size[0] > width || size[1] > height;
      document.documentElement.classList.toggle('scrolls', scrolls);
      root.style.width = scrolls ? `${size[0]}px` : '';
      root.style.height = scrolls ? `${size[1]}px` : '';
      return size;
    };
  }

  page.windowRoom = windowRoom;
})();
