// A picture of the three views as laid out, as a PNG: downloaded from the
// picture button or Ctrl+S, copied with Ctrl+C where the browser allows.
'use strict';

(() => {
  const page = (globalThis.angularFrequencyPage ??= {});

  // `saveKey`: the core's key for saving it ("Ctrl+S"); `show` shows what the
  // core changed (the sentence that a picture was taken).
  function wirePicture(api, saveKey, show) {
    const { isExtraKey } = page;
    function png() {
      const { pixels, width, height } = api.picture();
      const canvas = Object.assign(document.createElement('canvas'), { width, height });
      canvas.getContext('2d').putImageData(new ImageData(pixels, width, height), 0, 0);
      return new Promise((resolve) => canvas.toBlob(resolve, 'image/png'));
    }
    function save() {
      const name = api.pictureFileName();
      png().then((file) => {
        if (!file) return;
        const link = document.createElement('a');
        link.download = name;
        link.href = URL.createObjectURL(file);
        link.click();
        setTimeout(() => URL.revokeObjectURL(link.href), 60000);
        api.pictureTaken(1);
        show();
      });
    }
    function copy() {
      if (!navigator.clipboard || !navigator.clipboard.write || typeof ClipboardItem !== 'function') return false;
      navigator.clipboard.write([new ClipboardItem({ 'image/png': png() })]).then(() => {
        api.pictureTaken(0);
        show();
      }, () => {});
      return true;
    }
    document.getElementById('picture_button').addEventListener('click', save);
    document.addEventListener('keydown', (event) => {
      if (isExtraKey(event, saveKey)) {
        event.preventDefault();
        save();
      } else if (isExtraKey(event, 'Ctrl+C') && !String(getSelection())) {
        if (copy()) event.preventDefault();
      }
    });
    return { png };
  }

  page.wirePicture = wirePicture;
})();
