// Rows as the calls that create the widgets on a Builder `b` (see Rows.h).
// No include guard: used once per table.
#include "frame/Rows.h"
#define PAGE(n, parent, caption) b.Page(n, parent, #n, caption);
#define PAGES(n, parent, flags) b.Make(n, parent, ControlRow{#n, "", 0, 0, 0, 0, flags});
#define GROUP(n, parent, caption, flags) b.Make(n, parent, ControlRow{#n, caption, 0, 0, 0, 0, flags});
#define LABEL(n, parent, caption, flags) b.Make(n, parent, ControlRow{#n, caption, 0, 0, 0, 0, flags});
#define BUTTON(n, parent, caption, flags) b.Make(n, parent, ControlRow{#n, caption, 0, 0, 0, 0, flags});
#define CHECK(n, parent, caption, checked, flags) \
  b.Make(n, parent, ControlRow{#n, caption, 0, 0, checked, 0, flags});
#define RADIO(n, parent, caption, checked, flags) \
  b.Make(n, parent, ControlRow{#n, caption, 0, 0, checked, 0, flags});
#define SCROLL(n, parent, mn, mx, pos, step, flags) \
  b.Make(n, parent, ControlRow{#n, "", mn, mx, pos, step, flags});
#define TRACK(n, parent, mn, mx, pos, step, flags) \
  b.Make(n, parent, ControlRow{#n, "", mn, mx, pos, step, flags});
#define COMBO(n, parent, items, index, flags) \
  b.Make(n, parent, ControlRow{#n, items, 0, 0, index, 0, flags});
#define EDIT(n, parent, text, flags) b.Make(n, parent, ControlRow{#n, text, 0, 0, 0, 0, flags});
#define MEMO(n, parent, flags) b.Make(n, parent, ControlRow{#n, "", 0, 0, 0, 0, flags});
#define LIST(n, parent, flags) b.Make(n, parent, ControlRow{#n, "", 0, 0, 0, 0, flags});
