// Designed controls as table rows, checked by one loop: class, page, group,
// caption, start state, range, large step, hidden and disabled at design time.
#pragma once

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "tests/support/FrameFixture.h"

namespace vt::testing {

enum Kind { kGroup, kLabel, kButton, kCheck, kRadio, kScroll, kTrack, kList, kCombo, kEdit };
enum Flag : unsigned { kHid = 1, kOff = 2 };

struct Row {
  const char* name;
  Kind kind;
  const char* caption = nullptr;  // text, title or current item; nullptr: not checked
  int min = 0, max = 0;
  int start = 0;  // bars: position; check and radio buttons: checked
  int step = 0;   // large step; 0: not fixed, but at most half the range
  unsigned flags = 0;
};

// The controls of one page inside one group: `group` is the object name of an
// enclosing widget, else the title of the nearest titled group ("" for none);
// nullptr: not checked.
struct Rows {
  const char* page;
  const char* group;
  std::vector<Row> rows;
};

inline bool IsKind(QWidget* w, Kind k) {
  using namespace frame;
  switch (k) {
    case kGroup: return qobject_cast<TGroupBox*>(w);
    case kLabel: return qobject_cast<TLabel*>(w);
    case kButton: return qobject_cast<TButton*>(w);
    case kCheck: return qobject_cast<TCheckBox*>(w);
    case kRadio: return qobject_cast<TRadioButton*>(w);
    case kScroll: return qobject_cast<TScrollBar*>(w);
    case kTrack: return qobject_cast<TTrackBar*>(w);
    case kList: return qobject_cast<TValueListEditor*>(w);
    case kCombo: return qobject_cast<TComboBox*>(w);
    case kEdit: return qobject_cast<TEdit*>(w);
  }
  return false;
}

inline QString CaptionOf(QWidget* w) {
  if (auto* b = qobject_cast<QAbstractButton*>(w)) return b->text();
  if (auto* g = qobject_cast<QGroupBox*>(w)) return g->title();
  if (auto* l = qobject_cast<QLabel*>(w)) return l->text();
  if (auto* c = qobject_cast<QComboBox*>(w)) return c->currentText();
  if (auto* e = qobject_cast<QLineEdit*>(w)) return e->text();
  return {};
}

inline bool InGroup(const QWidget* w, const char* group) {
  if (!*group) return GroupOf(w).isEmpty();
  for (const QWidget* p = w->parentWidget(); p; p = p->parentWidget())
    if (p->objectName() == QLatin1String(group)) return true;
  return GroupOf(w) == QLatin1String(group);
}

inline void ExpectControls(const std::vector<Rows>& table) {
  std::set<std::string> seen;
  for (const Rows& p : table)
    for (const Row& r : p.rows) {
      SCOPED_TRACE(r.name);
      EXPECT_TRUE(seen.insert(r.name).second) << "listed twice";
      QWidget* w = Find(r.name);
      ASSERT_NE(w, nullptr);
      EXPECT_TRUE(IsKind(w, r.kind));
      EXPECT_EQ(PageOf(w), p.page);
      EXPECT_TRUE(!p.group || InGroup(w, p.group)) << "not in " << p.group;
      if (r.caption) {
        EXPECT_EQ(CaptionOf(w).toStdString(), r.caption);
      }
      if (auto* bar = qobject_cast<QAbstractSlider*>(w)) {
        EXPECT_EQ(bar->orientation(), Qt::Horizontal);
        EXPECT_EQ(bar->minimum(), r.min);
        EXPECT_EQ(bar->maximum(), r.max);
        EXPECT_EQ(bar->value(), r.start);
        if (r.step) {
          EXPECT_EQ(bar->pageStep(), r.step);
        } else {  // a step beyond half the range would jump from end to end
          EXPECT_LE(bar->pageStep(), std::max(1, (r.max - r.min) / 2));
        }
      }
      if (r.kind == kCheck || r.kind == kRadio) {
        EXPECT_EQ(qobject_cast<QAbstractButton*>(w)->isChecked(), r.start != 0);
      }
      EXPECT_EQ(w->isHidden(), (r.flags & kHid) != 0);
      EXPECT_EQ(w->isEnabled(), (r.flags & kOff) == 0);
    }
}

// Checking any button of a group unchecks the rest of it and leaves exactly
// one button on in every other group.
inline void ExpectExclusiveGroups(QWidget& frame,
                                  const std::vector<std::vector<const char*>>& groups) {
  auto radio = [&frame](const char* n) { return frame.findChild<QAbstractButton*>(n); };
  for (const auto& group : groups)
    for (const char* pick : group) {
      ASSERT_NE(radio(pick), nullptr) << pick;
      radio(pick)->setChecked(true);
      for (const char* other : group) EXPECT_EQ(radio(other)->isChecked(), other == pick) << pick;
      for (const auto& rest : groups) {
        if (&rest == &group) continue;
        int on = 0;
        for (const char* n : rest) on += radio(n)->isChecked();
        EXPECT_EQ(on, 1) << pick << " disturbed " << rest[0];
      }
    }
}

}  // namespace vt::testing
