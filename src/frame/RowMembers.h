// Rows as member declarations (see Rows.h). No include guard: used once per table.
#include "frame/Rows.h"
#define PAGE(n, parent, caption) TTabSheet* n = nullptr;
#define PAGES(n, parent, flags) TPageControl* n = nullptr;
#define GROUP(n, parent, caption, flags) TGroupBox* n = nullptr;
#define LABEL(n, parent, caption, flags) TLabel* n = nullptr;
#define BUTTON(n, parent, caption, flags) TButton* n = nullptr;
#define CHECK(n, parent, caption, checked, flags) TCheckBox* n = nullptr;
#define RADIO(n, parent, caption, checked, flags) TRadioButton* n = nullptr;
#define SCROLL(n, parent, mn, mx, pos, step, flags) TScrollBar* n = nullptr;
#define TRACK(n, parent, mn, mx, pos, step, flags) TTrackBar* n = nullptr;
#define COMBO(n, parent, items, index, flags) TComboBox* n = nullptr;
#define EDIT(n, parent, text, flags) TEdit* n = nullptr;
#define MEMO(n, parent, flags) TMemo* n = nullptr;
#define LIST(n, parent, flags) TValueListEditor* n = nullptr;
