// The caption faces are loaded as the page is read, before the core has
// chosen the language (the controls are not laid out until then, so the
// browser would not load them): those every language's layout uses, and
// those of a language the reader's browser or link asks for. The page would
// otherwise wait for them at its first frame. A face loaded for nothing costs
// little; the core's choice stands either way.
'use strict';

(() => {
  const asked = [new URLSearchParams(location.search).get('lang'), ...(navigator.languages || [navigator.language])]
    .filter(Boolean).map((tag) => tag.toLowerCase().replace('_', '-').split('-')[0]);
  for (const face of document.fonts) {
    const own = /^"?AF Caption ([A-Za-z]+)/.exec(face.family);
    if (!own || asked.includes(own[1].toLowerCase())) face.load().catch(() => {});
  }
})();
