// Where each control's element stands and how its text looks, from a layout
// the core gives: the page styles its elements with these, and the build
// writes them into the page's markup at the laid-out size.
'use strict';

(() => {
  const page = (globalThis.angularFrequencyPage ??= {});
  // The layout's font (embedded in the page), after the language's own face
  // where it has one, and where both are missing a font of the same kind, as
  // the core's font table says.
  const familyOf = (font) => [...font.families.map((family) => `"${family}"`), font.generic].join(', ');

  // Controls that the core says hold their children (views and titled groups)
  // hold their children's elements; every other control's element stands in
  // the window itself.
  const holdsChildren = (row) => row.holds;

  // The name of the control whose element holds this one's, or null for the window.
  function holderOf(row, byName) {
    const parent = byName.get(row.parent);
    return parent && holdsChildren(parent) ? parent.name : null;
  }

  // Each control's corner in the window: its box is placed in its parent's.
  function controlCorners(layout) {
    const corners = new Map();
    for (const row of layout.controls) {
      const parent = corners.get(row.parent) || [0, 0];
      corners.set(row.name, [parent[0] + row.box[0], parent[1] + row.box[1]]);
    }
    return corners;
  }

  // For each control (and the page's own buttons): its element's style
  // properties, and its corner in the window.
  function controlStyles(layout) {
    const byName = new Map(layout.controls.map((row) => [row.name, row]));
    const corners = controlCorners(layout);
    const styles = new Map();
    const px = (value) => `${value}px`;
    for (const row of layout.controls) {
      const [, , width, height] = row.box;
      const corner = corners.get(row.name);
      const holder = holderOf(row, byName);
      const origin = holder ? corners.get(holder) : [0, 0];
      const style = { left: px(corner[0] - origin[0]), top: px(corner[1] - origin[1]), width: px(width), height: px(height) };
      if (row.font) {
        style.fontSize = px(row.font.px * layout.zoom);  // what an option's indicator is sized by
        style.fontFamily = familyOf(row.font);
        style.fontStyle = row.font.italic ? 'italic' : 'normal';
      }
      if (row.kind === 'spin') style.fontSize = px(height);  // what its arrows are sized by
      styles.set(row.name, style);
    }
    // The buttons the page adds beside them, for the window's extras.
    for (const { name, parent, box: [left, top, width, height] } of layout.buttons) {
      const panel = corners.get(parent);
      styles.set(name, { left: px(panel[0] + left), top: px(panel[1] + top), width: px(width), height: px(height) });
    }
    return { styles, corners };
  }

  page.controlCorners = controlCorners;
  page.holderOf = holderOf;
  page.controlStyles = controlStyles;
})();
