// The designed controls of the echo, noise, filter, dynamics, music and
// measures pages: class, page, group, caption, range, large step, start state,
// hidden and disabled at design time.
#include <gtest/gtest.h>

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

#include "tests/support/FrameFixture.h"

namespace vt::testing {
namespace {

using namespace vt::frame;

enum Kind { kGroup, kLabel, kButton, kCheck, kRadio, kScroll, kTrack, kList };
enum State : unsigned { kShown = 0, kHid = 1, kOff = 2 };

struct Control {
  const char* name;
  Kind kind;
  const char* page;
  const char* group;    // object name of the enclosing group box, or nullptr
  const char* caption;  // text or title; nullptr for bars and lists
  int min, max, start, step;  // bars: range, position, large step; buttons: checked
  unsigned state;
};

// clang-format off
const Control kControls[] = {
  // "Echo canceller"
  {"CheckBox18", kCheck, "TabSheet4", nullptr, "Echo can par", 0, 0, 0, 0, kShown},
  {"Button5", kButton, "TabSheet4", nullptr, "Send to target", 0, 0, 0, 0, kShown},
  {"Button67", kButton, "TabSheet4", nullptr, "Wizard", 0, 0, 0, 0, kShown},
  {"ValueListEditor4", kList, "TabSheet4", nullptr, nullptr, 0, 0, 0, 0, kShown},
  {"ValueListEditor9", kList, "TabSheet4", nullptr, nullptr, 0, 0, 0, 0, kHid},
  {"GroupBox59", kGroup, "TabSheet4", nullptr, "Initial Convergence Accelerator", 0, 0, 0, 0,
   kShown},
  {"TrackBar14", kTrack, "TabSheet4", "GroupBox59", nullptr, 5000, 32000, 7000, -1, kShown},
  {"TrackBar16", kTrack, "TabSheet4", "GroupBox59", nullptr, 0, 100, 25, -1, kShown},
  {"TrackBar17", kTrack, "TabSheet4", "GroupBox59", nullptr, 20, 64, 58, -1, kShown},
  // "Selective echo supp"
  {"CheckBox96", kCheck, "TabSheet18", nullptr, "Selective ES par", 0, 0, 0, 0, kHid},
  {"Label80", kLabel, "TabSheet18", nullptr, "Selective ES par", 0, 0, 0, 0, kShown},
  {"CheckBox98", kCheck, "TabSheet18", nullptr, "Enable", 0, 0, 0, 0, kShown},
  {"ValueListEditor8", kList, "TabSheet18", nullptr, nullptr, 0, 0, 0, 0, kShown},
  {"Button97", kButton, "TabSheet18", nullptr, "update", 0, 0, 0, 0, kShown},
  {"Button98", kButton, "TabSheet18", nullptr, "Send to Memo", 0, 0, 0, 0, kShown},
  {"Button99", kButton, "TabSheet18", nullptr, "Get from Memo", 0, 0, 0, 0, kShown},
  {"Button101", kButton, "TabSheet18", nullptr, "Q7xx settings to Memo", 0, 0, 0, 0, kShown},
  {"Button102", kButton, "TabSheet18", nullptr, "Wizard", 0, 0, 0, 0, kShown},
  {"GroupBox57", kGroup, "TabSheet18", nullptr, "Dynamic control", 0, 0, 0, 0, kShown},
  {"CheckBox120", kCheck, "TabSheet18", "GroupBox57", "Enable dynamic", 0, 0, 0, 0, kShown},
  {"ScrollBar61", kScroll, "TabSheet18", "GroupBox57", nullptr, 0, 250, 0, -1, kShown},
  {"ScrollBar62", kScroll, "TabSheet18", "GroupBox57", nullptr, 0, 80, 0, -1, kShown},
  {"ScrollBar63", kScroll, "TabSheet18", "GroupBox57", nullptr, 1000, 28000, 1000, -1, kShown},
  {"RadioButton3", kRadio, "TabSheet18", "GroupBox57", "Use magnification", 0, 0, 0, 0, kShown},
  {"RadioButton36", kRadio, "TabSheet18", "GroupBox57", "Use magnification + scaling", 0, 0, 1,
   0, kShown},
  {"TrackBar15", kTrack, "TabSheet18", nullptr, nullptr, 0, 32767, 0, -1, kOff},
  {"Button56", kButton, "TabSheet18", nullptr, "Start getting status", 0, 0, 0, 0, kShown},
  // "Echo suppressor"
  {"CheckBox19", kCheck, "TabSheet9", nullptr, "Echo sup par", 0, 0, 0, 0, kShown},
  {"Button6", kButton, "TabSheet9", nullptr, "update", 0, 0, 0, 0, kShown},
  {"ValueListEditor5", kList, "TabSheet9", nullptr, nullptr, 0, 0, 0, 0, kShown},
  // "Noise suppressor"
  {"CheckBox20", kCheck, "TabSheet5", nullptr, "Noise sup param", 0, 0, 0, 0, kShown},
  {"Button7", kButton, "TabSheet5", nullptr, "update", 0, 0, 0, 0, kShown},
  {"ValueListEditor6", kList, "TabSheet5", nullptr, nullptr, 0, 0, 0, 0, kShown},
  {"TrackBar48", kTrack, "TabSheet5", nullptr, nullptr, 0, 100, 0, -1, kShown},
  {"TrackBar5", kTrack, "TabSheet5", nullptr, nullptr, 0, 100, 50, -1, kShown},
  {"TrackBar6", kTrack, "TabSheet5", nullptr, nullptr, 0, 100, 50, -1, kShown},
  {"TrackBar7", kTrack, "TabSheet5", nullptr, nullptr, 0, 100, 50, -1, kShown},
  {"GroupBox43", kGroup, "TabSheet5", nullptr, "Downlink Noise Suppressor", 0, 0, 0, 0, kShown},
  {"CheckBox13", kCheck, "TabSheet5", "GroupBox43", "Noise sup param", 0, 0, 0, 0, kShown},
  {"Button38", kButton, "TabSheet5", "GroupBox43", "update", 0, 0, 0, 0, kShown},
  {"ValueListEditor10", kList, "TabSheet5", "GroupBox43", nullptr, 0, 0, 0, 0, kShown},
  {"TrackBar8", kTrack, "TabSheet5", "GroupBox43", nullptr, 0, 100, 0, -1, kShown},
  {"TrackBar9", kTrack, "TabSheet5", "GroupBox43", nullptr, 0, 100, 50, -1, kShown},
  {"TrackBar10", kTrack, "TabSheet5", "GroupBox43", nullptr, 0, 100, 50, -1, kShown},
  {"TrackBar11", kTrack, "TabSheet5", "GroupBox43", nullptr, 0, 100, 50, -1, kShown},
  // "Filters"
  {"CheckBox10", kCheck, "TabSheet6", nullptr, "UL FIR coeff", 0, 0, 0, 0, kShown},
  {"CheckBox9", kCheck, "TabSheet6", nullptr, "DL FIR coeff", 0, 0, 0, 0, kShown},
  {"CheckBox15", kCheck, "TabSheet6", nullptr, "UL IIR coeff", 0, 0, 0, 0, kShown},
  {"CheckBox83", kCheck, "TabSheet6", nullptr, "DL IIR coeff", 0, 0, 0, 0, kShown},
  {"Button4", kButton, "TabSheet6", nullptr, "Send to target", 0, 0, 0, 0, kShown},
  {"Button3", kButton, "TabSheet6", nullptr, "Send to target", 0, 0, 0, 0, kShown},
  {"Button1", kButton, "TabSheet6", nullptr, "Send to target", 0, 0, 0, 0, kShown},
  {"Button73", kButton, "TabSheet6", nullptr, "Send to target", 0, 0, 0, 0, kShown},
  {"ValueListEditor1", kList, "TabSheet6", nullptr, nullptr, 0, 0, 0, 0, kShown},
  {"ValueListEditor2", kList, "TabSheet6", nullptr, nullptr, 0, 0, 0, 0, kShown},
  {"ValueListEditor3", kList, "TabSheet6", nullptr, nullptr, 0, 0, 0, 0, kShown},
  {"ValueListEditor7", kList, "TabSheet6", nullptr, nullptr, 0, 0, 0, 0, kShown},
  {"RadioButton18", kRadio, "TabSheet6", nullptr, "32", 0, 0, 1, 0, kShown},
  {"RadioButton19", kRadio, "TabSheet6", nullptr, "47 sym", 0, 0, 0, 0, kShown},
  {"RadioButton20", kRadio, "TabSheet6", nullptr, "48 sym", 0, 0, 0, 0, kShown},
  {"RadioButton31", kRadio, "TabSheet6", nullptr, "63 sym", 0, 0, 0, 0, kHid},
  {"RadioButton32", kRadio, "TabSheet6", nullptr, "64 sym", 0, 0, 0, 0, kHid},
  // "UL Dyn treatment"
  {"CheckBox39", kCheck, "TabSheet20", nullptr, "Limiter release speed", 0, 0, 0, 0, kShown},
  {"ScrollBar20", kScroll, "TabSheet20", nullptr, nullptr, 1, 200, 10, 10, kShown},
  {"Label36", kLabel, "TabSheet20", nullptr, "10 dB/s", 0, 0, 0, 0, kShown},
  {"CheckBox38", kCheck, "TabSheet20", nullptr, "Low Voice Booster", 0, 0, 0, 0, kShown},
  {"GroupBox60", kGroup, "TabSheet20", nullptr, "Low Voice Booster parameters", 0, 0, 0, 0,
   kShown},
  {"ScrollBar21", kScroll, "TabSheet20", "GroupBox60", nullptr, 8192, 16383, 13014, 10, kShown},
  {"Label37", kLabel, "TabSheet20", "GroupBox60", "100 dB/s", 0, 0, 0, 0, kShown},
  {"ScrollBar22", kScroll, "TabSheet20", "GroupBox60", nullptr, 16385, 32767, 17156, 10, kShown},
  {"Label38", kLabel, "TabSheet20", "GroupBox60", "20 dB/s", 0, 0, 0, 0, kShown},
  {"ScrollBar19", kScroll, "TabSheet20", "GroupBox60", nullptr, 4096, 32767, 8192, 10, kShown},
  {"Label197", kLabel, "TabSheet20", "GroupBox60", "6 dB", 0, 0, 0, 0, kShown},
  {"CheckBox118", kCheck, "TabSheet20", nullptr, "Noise gate", 0, 0, 0, 0, kShown},
  {"GroupBox53", kGroup, "TabSheet20", nullptr, "UL Dyn NG Parameters", 0, 0, 0, 0, kShown},
  {"ScrollBar55", kScroll, "TabSheet20", "GroupBox53", nullptr, 10, 50, 30, 10, kShown},
  {"ScrollBar56", kScroll, "TabSheet20", "GroupBox53", nullptr, 2, 1024, 128, 10, kShown},
  {"ScrollBar13", kScroll, "TabSheet20", "GroupBox53", nullptr, 1, 39, 19, 10, kShown},
  {"Label139", kLabel, "TabSheet20", "GroupBox53", "-20dB", 0, 0, 0, 0, kShown},
  {"ScrollBar52", kScroll, "TabSheet20", "GroupBox53", nullptr, 1, 8000, 800, 10, kShown},
  {"Label141", kLabel, "TabSheet20", "GroupBox53", "100ms", 0, 0, 0, 0, kShown},
  {"ScrollBar53", kScroll, "TabSheet20", "GroupBox53", nullptr, 1, 160, 8, 10, kShown},
  {"Label143", kLabel, "TabSheet20", "GroupBox53", "1ms", 0, 0, 0, 0, kShown},
  {"ScrollBar54", kScroll, "TabSheet20", "GroupBox53", nullptr, 2, 150, 32, 10, kShown},
  {"ScrollBar57", kScroll, "TabSheet20", "GroupBox53", nullptr, 1, 59, 39, 10, kShown},
  {"Label160", kLabel, "TabSheet20", "GroupBox53", "-20dB", 0, 0, 0, 0, kShown},
  {"ScrollBar58", kScroll, "TabSheet20", "GroupBox53", nullptr, 1, 2000, 800, 10, kShown},
  {"Label162", kLabel, "TabSheet20", "GroupBox53", "100ms", 0, 0, 0, 0, kShown},
  {"ScrollBar59", kScroll, "TabSheet20", "GroupBox53", nullptr, 1, 500, 80, 10, kShown},
  {"Label164", kLabel, "TabSheet20", "GroupBox53", "10ms", 0, 0, 0, 0, kShown},
  {"ScrollBar60", kScroll, "TabSheet20", "GroupBox53", nullptr, 2, 1000, 100, 10, kShown},
  {"CheckBox119", kCheck, "TabSheet20", "GroupBox53", "Add comfort noise", 0, 0, 1, 0, kShown},
  {"Button54", kButton, "TabSheet20", "GroupBox53", "Warning!!!!!", 0, 0, 0, 0, kHid},
  {"GroupBox61", kGroup, "TabSheet20", nullptr, "UL harmonizer", 0, 0, 0, 0, kShown},
  {"CheckBox40", kCheck, "TabSheet20", "GroupBox61", "Harmonizer level", 0, 0, 0, 0, kShown},
  {"ScrollBar64", kScroll, "TabSheet20", "GroupBox61", nullptr, 256, 768, 256, 10, kShown},
  {"Label198", kLabel, "TabSheet20", "GroupBox61", "1", 0, 0, 0, 0, kShown},
  {"GroupBox54", kGroup, "TabSheet20", nullptr, nullptr, 0, 0, 0, 0, kHid},
  {"TrackBar12", kTrack, "TabSheet20", "GroupBox54", nullptr, 0, 100, 0, 10, kOff},
  {"TrackBar13", kTrack, "TabSheet20", "GroupBox54", nullptr, 0, 100, 0, 10, kOff},
  {"Button50", kButton, "TabSheet20", "GroupBox54", "Start getting status", 0, 0, 0, 0, kShown},
  // "DL Dyn treatment"
  {"CheckBox91", kCheck, "TabSheet11", nullptr, "DL peak", 0, 0, 0, 0, kShown},
  {"ScrollBar30", kScroll, "TabSheet11", nullptr, nullptr, 512, 16384, 5120, 10, kShown},
  {"Label50", kLabel, "TabSheet11", nullptr, "-10 dBfs", 0, 0, 0, 0, kShown},
  {"ScrollBar31", kScroll, "TabSheet11", nullptr, nullptr, 1, 159, 159, 10, kShown},
  {"Label51", kLabel, "TabSheet11", nullptr, "159 samples", 0, 0, 0, 0, kShown},
  {"ScrollBar32", kScroll, "TabSheet11", nullptr, nullptr, 256, 8095, 809, 10, kShown},
  {"Label52", kLabel, "TabSheet11", nullptr, "10 dB", 0, 0, 0, 0, kShown},
  {"CheckBox90", kCheck, "TabSheet11", nullptr, "Enable", 0, 0, 0, 0, kShown},
  {"CheckBox92", kCheck, "TabSheet11", nullptr, "Link w/i limiter", 0, 0, 0, 0, kShown},
  {"CheckBox94", kCheck, "TabSheet11", nullptr, "Noise", 0, 0, 0, 0, kShown},
  {"GroupBox33", kGroup, "TabSheet11", nullptr, nullptr, 0, 0, 0, 0, kShown},
  {"ScrollBar33", kScroll, "TabSheet11", "GroupBox33", nullptr, 1, 39, 19, 10, kShown},
  {"Label60", kLabel, "TabSheet11", "GroupBox33", "-20dB", 0, 0, 0, 0, kShown},
  {"ScrollBar34", kScroll, "TabSheet11", "GroupBox33", nullptr, 1, 8000, 800, 10, kShown},
  {"Label62", kLabel, "TabSheet11", "GroupBox33", "100ms", 0, 0, 0, 0, kShown},
  {"ScrollBar35", kScroll, "TabSheet11", "GroupBox33", nullptr, 1, 160, 8, 10, kShown},
  {"Label64", kLabel, "TabSheet11", "GroupBox33", "1ms", 0, 0, 0, 0, kShown},
  {"ScrollBar36", kScroll, "TabSheet11", "GroupBox33", nullptr, 2, 150, 32, 10, kShown},
  {"ScrollBar37", kScroll, "TabSheet11", "GroupBox33", nullptr, 10, 50, 30, 10, kShown},
  {"ScrollBar38", kScroll, "TabSheet11", "GroupBox33", nullptr, 2, 1024, 128, 10, kShown},
  {"Label77", kLabel, "TabSheet11", "GroupBox33", "Soft Opening", 0, 0, 0, 0, kShown},
  {"Label78", kLabel, "TabSheet11", "GroupBox33", "soft", 0, 0, 0, 0, kShown},
  {"Label79", kLabel, "TabSheet11", "GroupBox33", "hard", 0, 0, 0, 0, kShown},
  {"CheckBox95", kCheck, "TabSheet11", "GroupBox33", "Enable", 0, 0, 0, 0, kShown},
  {"CheckBox97", kCheck, "TabSheet11", "GroupBox33", "-6dB in analog", 0, 0, 0, 0, kHid},
  {"Button130", kButton, "TabSheet11", "GroupBox33", "Warning!!!!!", 0, 0, 0, 0, kHid},
  {"TrackBar4", kTrack, "TabSheet11", "GroupBox33", nullptr, 0, 100, 0, 10, kOff},
  {"TrackBar1", kTrack, "TabSheet11", "GroupBox33", nullptr, 0, 100, 0, 10, kOff},
  {"Button93", kButton, "TabSheet11", "GroupBox33", "Start getting status", 0, 0, 0, 0, kShown},
  {"CheckBox108", kCheck, "TabSheet11", nullptr, "Voice", 0, 0, 0, 0, kShown},
  {"Label82", kLabel, "TabSheet11", nullptr, "Compressor", 0, 0, 0, 0, kShown},
  {"GroupBox38", kGroup, "TabSheet11", nullptr, nullptr, 0, 0, 0, 0, kShown},
  {"ScrollBar39", kScroll, "TabSheet11", "GroupBox38", nullptr, -40, 80, 20, 10, kShown},
  {"Label83", kLabel, "TabSheet11", "GroupBox38", "-50 dBfs", 0, 0, 0, 0, kShown},
  {"ScrollBar40", kScroll, "TabSheet11", "GroupBox38", nullptr, 0, 120, 80, 10, kShown},
  {"Label85", kLabel, "TabSheet11", "GroupBox38", "-20 dBfs", 0, 0, 0, 0, kShown},
  {"ScrollBar41", kScroll, "TabSheet11", "GroupBox38", nullptr, 3, 6, 4, 10, kShown},
  {"Label88", kLabel, "TabSheet11", "GroupBox38", "2:1", 0, 0, 0, 0, kShown},
  {"ScrollBar42", kScroll, "TabSheet11", "GroupBox38", nullptr, 0, 120, 110, 10, kShown},
  {"Label90", kLabel, "TabSheet11", "GroupBox38", "-5 dBfs", 0, 0, 0, 0, kShown},
  {"ScrollBar43", kScroll, "TabSheet11", "GroupBox38", nullptr, 0, 80, 0, 10, kShown},
  {"Label92", kLabel, "TabSheet11", "GroupBox38", "0 dBfs", 0, 0, 0, 0, kShown},
  {"TrackBar2", kTrack, "TabSheet11", "GroupBox38", nullptr, 0, 100, 0, 10, kOff},
  {"TrackBar3", kTrack, "TabSheet11", "GroupBox38", nullptr, -40, 0, 0, 10, kOff},
  {"Button104", kButton, "TabSheet11", "GroupBox38", "Start getting status", 0, 0, 0, 0, kShown},
  {"Button103", kButton, "TabSheet11", nullptr, "Show tuning graph", 0, 0, 0, 0, kShown},
  {"GroupBox62", kGroup, "TabSheet11", nullptr, "DL harmonizer", 0, 0, 0, 0, kShown},
  {"CheckBox41", kCheck, "TabSheet11", "GroupBox62", "Harmonizer level", 0, 0, 0, 0, kShown},
  {"ScrollBar65", kScroll, "TabSheet11", "GroupBox62", nullptr, 256, 768, 256, 10, kShown},
  {"Label199", kLabel, "TabSheet11", "GroupBox62", "1", 0, 0, 0, 0, kShown},
  // "Music treatment"
  {"CheckBox111", kCheck, "TabSheet21", nullptr, "ClearLift", 0, 0, 0, 0, kShown},
  {"GroupBox40", kGroup, "TabSheet21", nullptr, nullptr, 0, 0, 0, 0, kShown},
  {"CheckBox112", kCheck, "TabSheet21", "GroupBox40", "Enable", 0, 0, 0, 0, kShown},
  {"ScrollBar44", kScroll, "TabSheet21", "GroupBox40", nullptr, 0, 20, 0, 10, kShown},
  {"Label108", kLabel, "TabSheet21", "GroupBox40", "0 dB", 0, 0, 0, 0, kShown},
  {"ScrollBar45", kScroll, "TabSheet21", "GroupBox40", nullptr, 10, 50, 10, 10, kShown},
  {"Label111", kLabel, "TabSheet21", "GroupBox40", "0.25ms", 0, 0, 0, 0, kShown},
  {"ScrollBar66", kScroll, "TabSheet21", nullptr, nullptr, 256, 768, 256, 10, kShown},
  {"Label200", kLabel, "TabSheet21", nullptr, "1", 0, 0, 0, 0, kShown},
  {"Label201", kLabel, "TabSheet21", nullptr, "Harmonizer level", 0, 0, 0, 0, kShown},
  {"CheckBox113", kCheck, "TabSheet21", nullptr, "MIDI enhancer", 0, 0, 0, 0, kShown},
  {"GroupBox41", kGroup, "TabSheet21", nullptr, nullptr, 0, 0, 0, 0, kShown},
  {"ScrollBar47", kScroll, "TabSheet21", "GroupBox41", nullptr, 10, 93, 20, 10, kShown},
  {"ScrollBar48", kScroll, "TabSheet21", "GroupBox41", nullptr, 8, 32, 20, 10, kShown},
  {"ScrollBar46", kScroll, "TabSheet21", "GroupBox41", nullptr, 0, 256, 128, 10, kShown},
  {"CheckBox114", kCheck, "TabSheet21", nullptr, "MIDI mixer", 0, 0, 0, 0, kShown},
  {"GroupBox42", kGroup, "TabSheet21", nullptr, nullptr, 0, 0, 0, 0, kShown},
  {"ScrollBar50", kScroll, "TabSheet21", "GroupBox42", nullptr, -30, 9, 0, 10, kShown},
  {"Label112", kLabel, "TabSheet21", "GroupBox42", "0 dB", 0, 0, 0, 0, kShown},
  {"ScrollBar51", kScroll, "TabSheet21", "GroupBox42", nullptr, -30, 9, -6, 10, kShown},
  {"Label124", kLabel, "TabSheet21", "GroupBox42", "-6 dB", 0, 0, 0, 0, kShown},
  {"Button107", kButton, "TabSheet21", nullptr, "Send all to Memo", 0, 0, 0, 0, kShown},
  {"Button108", kButton, "TabSheet21", nullptr, "Get all from Memo", 0, 0, 0, 0, kShown},
  {"Button109", kButton, "TabSheet21", nullptr, "Q7xx settings to Memo", 0, 0, 0, 0, kShown},
  // "Measures / AutoTuning": the calibration file as the plug-in fills it
  {"CalFileGroup", kGroup, "TabSheet22", nullptr, "Calibration file", 0, 0, 0, 0, kShown},
  {"CalFileCaption", kLabel, "TabSheet22", "CalFileGroup", "File:", 0, 0, 0, 0, kShown},
  {"CalFileLabel", kLabel, "TabSheet22", "CalFileGroup", "", 0, 0, 0, 0, kShown},
};
// clang-format on

QWidget* EnclosingGroup(QWidget* w, const char* name) {
  for (QWidget* p = w->parentWidget(); p; p = p->parentWidget())
    if (p->objectName() == QLatin1String(name)) return p;
  return nullptr;
}

QString CaptionOf(QWidget* w) {
  if (auto* b = qobject_cast<QAbstractButton*>(w)) return b->text();
  if (auto* g = qobject_cast<QGroupBox*>(w)) return g->title();
  if (auto* l = qobject_cast<QLabel*>(w)) return l->text();
  return {};
}

bool IsKind(QWidget* w, Kind k) {
  switch (k) {
    case kGroup: return qobject_cast<TGroupBox*>(w);
    case kLabel: return qobject_cast<TLabel*>(w);
    case kButton: return qobject_cast<TButton*>(w);
    case kCheck: return qobject_cast<TCheckBox*>(w);
    case kRadio: return qobject_cast<TRadioButton*>(w);
    case kScroll: return qobject_cast<TScrollBar*>(w);
    case kTrack: return qobject_cast<TTrackBar*>(w);
    case kList: return qobject_cast<TValueListEditor*>(w);
  }
  return false;
}

TEST(ListPages, DesignedControlsHaveTheirClassPlaceCaptionRangeAndState) {
  for (const Control& c : kControls) {
    SCOPED_TRACE(c.name);
    QWidget* w = Find(c.name);
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(IsKind(w, c.kind));
    QWidget* page = Find(c.page);
    ASSERT_NE(page, nullptr);
    EXPECT_TRUE(page->isAncestorOf(w)) << "not on " << c.page;
    if (c.group) {
      EXPECT_NE(EnclosingGroup(w, c.group), nullptr) << "not in " << c.group;
    }
    if (c.caption) {
      EXPECT_EQ(CaptionOf(w).toStdString(), c.caption);
    }
    if (auto* bar = qobject_cast<QAbstractSlider*>(w)) {
      EXPECT_EQ(bar->minimum(), c.min);
      EXPECT_EQ(bar->maximum(), c.max);
      EXPECT_EQ(bar->value(), c.start);
      if (c.step >= 0) {
        EXPECT_EQ(bar->pageStep(), c.step);
      }
    }
    if (c.kind == kCheck || c.kind == kRadio) {
      EXPECT_EQ(qobject_cast<QAbstractButton*>(w)->isChecked(), c.start != 0);
    }
    EXPECT_EQ(w->isHidden(), (c.state & kHid) != 0);
    EXPECT_EQ(w->isEnabled(), (c.state & kOff) == 0);
  }
}

// Every page carries its memo buttons and, where it has one, its wizard.
TEST(ListPages, PagesCarryTheirMemoAndWizardButtons) {
  struct PageButtons {
    const char* page;
    std::vector<const char*> captions;
  };
  const PageButtons pages[] = {
      {"TabSheet4", {"Send to Memo", "Get from Memo", "Q7xx settings to Memo", "Wizard"}},
      {"TabSheet9", {"Send to Memo", "Get from Memo", "Q7xx settings to Memo"}},
      {"TabSheet5", {"Send to Memo", "Get from Memo", "Q7xx  to Memo"}},
      {"TabSheet6",
       {"Send all to Memo", "Get all from Memo", "Q7xx settings to Memo", "Send to Memo",
        "Send to Memo", "Send to Memo", "Send to Memo", "Wizard", "Wizard"}},
      {"TabSheet20", {"Send all to Memo", "Get all from Memo", "Q7xx settings to Memo"}},
      {"TabSheet11", {"Send all to Memo", "Get all from Memo", "Q7xx settings to Memo"}},
  };
  for (const PageButtons& p : pages) {
    SCOPED_TRACE(p.page);
    QStringList found;
    for (QPushButton* b : Find(p.page)->findChildren<QPushButton*>()) found << b->text();
    for (const char* caption : p.captions) {
      EXPECT_TRUE(found.removeOne(QString::fromLatin1(caption))) << caption;
    }
  }
  // The filter wizards' buttons are bold, one in each direction's group.
  int bold = 0;
  for (QPushButton* b : Find("TabSheet6")->findChildren<QPushButton*>())
    if (b->text() == "Wizard") {
      EXPECT_TRUE(b->font().bold());
      ++bold;
    }
  EXPECT_EQ(bold, 2);
  for (const char* group : {"Downlink filtering", "Uplink filtering"}) {
    int wizards = 0;
    for (QGroupBox* g : Find("TabSheet6")->findChildren<QGroupBox*>())
      if (g->title() == group)
        for (QPushButton* b : g->findChildren<QPushButton*>()) wizards += b->text() == "Wizard";
    EXPECT_EQ(wizards, 1) << group;
  }
}

// The calibration, configuration and measurement pages of "Measures / AutoTuning".
TEST(ListPages, MeasuresPagesHoldTheBenchButtonsAndInterfaceChoices) {
  auto* pages = Find<QTabWidget>("PageControl2");
  ASSERT_NE(pages, nullptr);
  ASSERT_EQ(pages->count(), 3);
  EXPECT_EQ(pages->tabText(0), "Calibration");
  EXPECT_EQ(pages->tabText(1), "Configuration");
  EXPECT_EQ(pages->tabText(2), "Measurements");

  auto buttons = [](const char* page) {
    QStringList out;
    for (QAbstractButton* b : Find(page)->findChildren<QAbstractButton*>()) out << b->text();
    return out;
  };
  QStringList cal = buttons("TabSheet22");
  for (const char* c : {"Define cal file", "Cal Ref mike", "Cal mouth", "Import ear data",
                        "Cal Ear", "Cal CMU200", "Cal DL electrical IF", "Cal UL electrical IF"})
    EXPECT_TRUE(cal.contains(c)) << c;
  QStringList meas = buttons("TabSheet24");
  for (const char* c : {"RLR", "SLR", "ERL/TCL (echo)", "Wave bench", "Start Word report",
                        "Close Word report", "Log result"})
    EXPECT_TRUE(meas.contains(c)) << c;
  for (QCheckBox* b : Find("TabSheet24")->findChildren<QCheckBox*>()) {
    if (b->text() == "Log result") {
      EXPECT_TRUE(b->isChecked());
    }
  }
  for (QPushButton* b : Find("TabSheet24")->findChildren<QPushButton*>())
    if (b->text() == "RLR" || b->text() == "SLR" || b->text() == "ERL/TCL (echo)") {
      auto* g = qobject_cast<QGroupBox*>(b->parentWidget());
      ASSERT_NE(g, nullptr);
      EXPECT_EQ(g->title(), "Telephonometry");
    }

  // Two independent choices, each with its designed default.
  struct Choice {
    const char* group;
    std::vector<const char*> captions;
    const char* checked;
  };
  const Choice choices[] = {
      {"DL measurement IF",
       {"Type 1 or free-field", "Type 3.2 low leak", "Type 3.2 hi leak", "Type 3.3",
        "Electrical IF"},
       "Type 3.2 low leak"},
      {"UL measurement IF", {"Artificial mouth", "Electrical IF"}, "Artificial mouth"},
  };
  QList<QRadioButton*> firsts;
  for (const Choice& c : choices) {
    SCOPED_TRACE(c.group);
    QGroupBox* group = nullptr;
    for (QGroupBox* g : Find("TabSheet23")->findChildren<QGroupBox*>())
      if (g->title() == c.group) group = g;
    ASSERT_NE(group, nullptr);
    QList<QRadioButton*> radios = group->findChildren<QRadioButton*>();
    ASSERT_EQ(radios.size(), int(c.captions.size()));
    for (size_t i = 0; i < c.captions.size(); ++i) {
      EXPECT_EQ(radios[int(i)]->text(), c.captions[i]);
      EXPECT_EQ(radios[int(i)]->isChecked(), radios[int(i)]->text() == c.checked);
    }
    firsts << radios.first();
  }
  // Choosing the DL interface leaves the UL one alone.
  firsts[0]->setChecked(true);
  for (QRadioButton* r : Find("TabSheet23")->findChildren<QRadioButton*>()) {
    if (r->text() == "Artificial mouth") {
      EXPECT_TRUE(r->isChecked());
    }
  }
  for (QRadioButton* r : Find("TabSheet23")->findChildren<QRadioButton*>())
    if (r->text() == "Type 3.2 low leak") {
      EXPECT_FALSE(r->isChecked());
      r->setChecked(true);
    }
}

// Radio buttons choose only within their own group.
TEST(ListPages, RadioGroupsAreIndependent) {
  Frame();
  TFrame1& f = Frame();
  f.RadioButton20->setChecked(true);
  EXPECT_FALSE(f.RadioButton18->isChecked());
  EXPECT_TRUE(f.RadioButton36->isChecked());
  f.RadioButton3->setChecked(true);
  EXPECT_FALSE(f.RadioButton36->isChecked());
  EXPECT_TRUE(f.RadioButton20->isChecked());
  f.RadioButton31->setChecked(true);
  EXPECT_FALSE(f.RadioButton20->isChecked());
  // Back to the designed state for the other tests.
  f.RadioButton18->setChecked(true);
  f.RadioButton36->setChecked(true);
  EXPECT_FALSE(f.RadioButton31->isChecked());
}

}  // namespace
}  // namespace vt::testing
