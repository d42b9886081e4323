// The designed controls of the echo, noise, filter, dynamics, music and
// measures pages: class, page, group, caption, range, large step, start state,
// hidden and disabled at design time; their buttons, radio groups and layout.
#include <gtest/gtest.h>

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

#include "tests/support/ControlTable.h"
#include "tests/support/PageLayout.h"

namespace vt::testing {
namespace {

// Groups by object name.
// clang-format off
const std::vector<Rows> kTable = {
    {"TabSheet4", nullptr, {  // "Echo canceller"
        {"CheckBox18", kCheck, "Echo can par"}, {"Button5", kButton, "Send to target"},
        {"Button67", kButton, "Wizard"}, {"ValueListEditor4", kList},
        {"ValueListEditor9", kList, {}, 0, 0, 0, 0, kHid},
        {"GroupBox59", kGroup, "Initial Convergence Accelerator"}}},
    {"TabSheet4", "GroupBox59", {
        {"TrackBar14", kTrack, {}, 5000, 32000, 7000}, {"TrackBar16", kTrack, {}, 0, 100, 25},
        {"TrackBar17", kTrack, {}, 20, 64, 58}}},
    {"TabSheet18", nullptr, {  // "Selective echo supp"
        {"CheckBox96", kCheck, "Selective ES par", 0, 0, 0, 0, kHid},
        {"Label80", kLabel, "Selective ES par"}, {"CheckBox98", kCheck, "Enable"},
        {"ValueListEditor8", kList}, {"Button97", kButton, "update"},
        {"Button98", kButton, "Send to Memo"}, {"Button99", kButton, "Get from Memo"},
        {"Button101", kButton, "Q7xx settings to Memo"}, {"Button102", kButton, "Wizard"},
        {"GroupBox57", kGroup, "Dynamic control"}, {"TrackBar15", kTrack, {}, 0, 32767, 0, 0, kOff},
        {"Button56", kButton, "Start getting status"}}},
    {"TabSheet18", "GroupBox57", {
        {"CheckBox120", kCheck, "Enable dynamic"}, {"ScrollBar61", kScroll, {}, 0, 250},
        {"ScrollBar62", kScroll, {}, 0, 80}, {"ScrollBar63", kScroll, {}, 1000, 28000, 1000},
        {"RadioButton3", kRadio, "Use magnification"},
        {"RadioButton36", kRadio, "Use magnification + scaling", 0, 0, 1}}},
    {"TabSheet9", nullptr, {  // "Echo suppressor"
        {"CheckBox19", kCheck, "Echo sup par"}, {"Button6", kButton, "update"},
        {"ValueListEditor5", kList}}},
    {"TabSheet5", nullptr, {  // "Noise suppressor"
        {"CheckBox20", kCheck, "Noise sup param"}, {"Button7", kButton, "update"},
        {"ValueListEditor6", kList}, {"TrackBar48", kTrack, {}, 0, 100},
        {"TrackBar5", kTrack, {}, 0, 100, 50}, {"TrackBar6", kTrack, {}, 0, 100, 50},
        {"TrackBar7", kTrack, {}, 0, 100, 50},
        {"GroupBox43", kGroup, "Downlink Noise Suppressor"}}},
    {"TabSheet5", "GroupBox43", {
        {"CheckBox13", kCheck, "Noise sup param"}, {"Button38", kButton, "update"},
        {"ValueListEditor10", kList}, {"TrackBar8", kTrack, {}, 0, 100},
        {"TrackBar9", kTrack, {}, 0, 100, 50}, {"TrackBar10", kTrack, {}, 0, 100, 50},
        {"TrackBar11", kTrack, {}, 0, 100, 50}}},
    {"TabSheet6", nullptr, {  // "Filters"
        {"CheckBox10", kCheck, "UL FIR coeff"}, {"CheckBox9", kCheck, "DL FIR coeff"},
        {"CheckBox15", kCheck, "UL IIR coeff"}, {"CheckBox83", kCheck, "DL IIR coeff"},
        {"Button4", kButton, "Send to target"}, {"Button3", kButton, "Send to target"},
        {"Button1", kButton, "Send to target"}, {"Button73", kButton, "Send to target"},
        {"ValueListEditor1", kList}, {"ValueListEditor2", kList}, {"ValueListEditor3", kList},
        {"ValueListEditor7", kList}, {"RadioButton18", kRadio, "32", 0, 0, 1},
        {"RadioButton19", kRadio, "47 sym"}, {"RadioButton20", kRadio, "48 sym"},
        {"RadioButton31", kRadio, "63 sym", 0, 0, 0, 0, kHid},
        {"RadioButton32", kRadio, "64 sym", 0, 0, 0, 0, kHid}}},
    {"TabSheet20", nullptr, {  // "UL Dyn treatment"
        {"CheckBox39", kCheck, "Limiter release speed"},
        {"ScrollBar20", kScroll, {}, 1, 200, 10, 10}, {"Label36", kLabel, "10 dB/s"},
        {"CheckBox38", kCheck, "Low Voice Booster"},
        {"GroupBox60", kGroup, "Low Voice Booster parameters"},
        {"CheckBox118", kCheck, "Noise gate"}, {"GroupBox53", kGroup, "UL Dyn NG Parameters"},
        {"GroupBox61", kGroup, "UL harmonizer"}, {"GroupBox54", kGroup, {}, 0, 0, 0, 0, kHid}}},
    {"TabSheet20", "GroupBox60", {
        {"ScrollBar21", kScroll, {}, 8192, 16383, 13014, 10}, {"Label37", kLabel, "100 dB/s"},
        {"ScrollBar22", kScroll, {}, 16385, 32767, 17156, 10}, {"Label38", kLabel, "20 dB/s"},
        {"ScrollBar19", kScroll, {}, 4096, 32767, 8192, 10}, {"Label197", kLabel, "6 dB"}}},
    {"TabSheet20", "GroupBox53", {
        {"ScrollBar55", kScroll, {}, 10, 50, 30, 10},
        {"ScrollBar56", kScroll, {}, 2, 1024, 128, 10}, {"ScrollBar13", kScroll, {}, 1, 39, 19, 10},
        {"Label139", kLabel, "-20dB"}, {"ScrollBar52", kScroll, {}, 1, 8000, 800, 10},
        {"Label141", kLabel, "100ms"}, {"ScrollBar53", kScroll, {}, 1, 160, 8, 10},
        {"Label143", kLabel, "1ms"}, {"ScrollBar54", kScroll, {}, 2, 150, 32, 10},
        {"ScrollBar57", kScroll, {}, 1, 59, 39, 10}, {"Label160", kLabel, "-20dB"},
        {"ScrollBar58", kScroll, {}, 1, 2000, 800, 10}, {"Label162", kLabel, "100ms"},
        {"ScrollBar59", kScroll, {}, 1, 500, 80, 10}, {"Label164", kLabel, "10ms"},
        {"ScrollBar60", kScroll, {}, 2, 1000, 100, 10},
        {"CheckBox119", kCheck, "Add comfort noise", 0, 0, 1},
        {"Button54", kButton, "Warning!!!!!", 0, 0, 0, 0, kHid}}},
    {"TabSheet20", "GroupBox61", {
        {"CheckBox40", kCheck, "Harmonizer level"}, {"ScrollBar64", kScroll, {}, 256, 768, 256, 10},
        {"Label198", kLabel, "1"}}},
    {"TabSheet20", "GroupBox54", {
        {"TrackBar12", kTrack, {}, 0, 100, 0, 10, kOff},
        {"TrackBar13", kTrack, {}, 0, 100, 0, 10, kOff},
        {"Button50", kButton, "Start getting status"}}},
    {"TabSheet11", nullptr, {  // "DL Dyn treatment"
        {"CheckBox91", kCheck, "DL peak"}, {"ScrollBar30", kScroll, {}, 512, 16384, 5120, 10},
        {"Label50", kLabel, "-10 dBfs"}, {"ScrollBar31", kScroll, {}, 1, 159, 159, 10},
        {"Label51", kLabel, "159 samples"}, {"ScrollBar32", kScroll, {}, 256, 8095, 809, 10},
        {"Label52", kLabel, "10 dB"}, {"CheckBox90", kCheck, "Enable"},
        {"CheckBox92", kCheck, "Link w/i limiter"}, {"CheckBox94", kCheck, "Noise"},
        {"GroupBox33", kGroup}, {"CheckBox108", kCheck, "Voice"}, {"Label82", kLabel, "Compressor"},
        {"GroupBox38", kGroup}, {"Button103", kButton, "Show tuning graph"},
        {"GroupBox62", kGroup, "DL harmonizer"}}},
    {"TabSheet11", "GroupBox33", {
        {"ScrollBar33", kScroll, {}, 1, 39, 19, 10}, {"Label60", kLabel, "-20dB"},
        {"ScrollBar34", kScroll, {}, 1, 8000, 800, 10}, {"Label62", kLabel, "100ms"},
        {"ScrollBar35", kScroll, {}, 1, 160, 8, 10}, {"Label64", kLabel, "1ms"},
        {"ScrollBar36", kScroll, {}, 2, 150, 32, 10}, {"ScrollBar37", kScroll, {}, 10, 50, 30, 10},
        {"ScrollBar38", kScroll, {}, 2, 1024, 128, 10}, {"Label77", kLabel, "Soft Opening"},
        {"Label78", kLabel, "soft"}, {"Label79", kLabel, "hard"}, {"CheckBox95", kCheck, "Enable"},
        {"CheckBox97", kCheck, "-6dB in analog", 0, 0, 0, 0, kHid},
        {"Button130", kButton, "Warning!!!!!", 0, 0, 0, 0, kHid},
        {"TrackBar4", kTrack, {}, 0, 100, 0, 10, kOff},
        {"TrackBar1", kTrack, {}, 0, 100, 0, 10, kOff},
        {"Button93", kButton, "Start getting status"}}},
    {"TabSheet11", "GroupBox38", {
        {"ScrollBar39", kScroll, {}, -40, 80, 20, 10}, {"Label83", kLabel, "-50 dBfs"},
        {"ScrollBar40", kScroll, {}, 0, 120, 80, 10}, {"Label85", kLabel, "-20 dBfs"},
        {"ScrollBar41", kScroll, {}, 3, 6, 4, 10}, {"Label88", kLabel, "2:1"},
        {"ScrollBar42", kScroll, {}, 0, 120, 110, 10}, {"Label90", kLabel, "-5 dBfs"},
        {"ScrollBar43", kScroll, {}, 0, 80, 0, 10}, {"Label92", kLabel, "0 dBfs"},
        {"TrackBar2", kTrack, {}, 0, 100, 0, 10, kOff},
        {"TrackBar3", kTrack, {}, -40, 0, 0, 10, kOff},
        {"Button104", kButton, "Start getting status"}}},
    {"TabSheet11", "GroupBox62", {
        {"CheckBox41", kCheck, "Harmonizer level"}, {"ScrollBar65", kScroll, {}, 256, 768, 256, 10},
        {"Label199", kLabel, "1"}}},
    {"TabSheet21", nullptr, {  // "Music treatment"
        {"CheckBox111", kCheck, "ClearLift"}, {"GroupBox40", kGroup},
        {"ScrollBar66", kScroll, {}, 256, 768, 256, 10}, {"Label200", kLabel, "1"},
        {"Label201", kLabel, "Harmonizer level"}, {"CheckBox113", kCheck, "MIDI enhancer"},
        {"GroupBox41", kGroup}, {"CheckBox114", kCheck, "MIDI mixer"}, {"GroupBox42", kGroup},
        {"Button107", kButton, "Send all to Memo"}, {"Button108", kButton, "Get all from Memo"},
        {"Button109", kButton, "Q7xx settings to Memo"}}},
    {"TabSheet21", "GroupBox40", {
        {"CheckBox112", kCheck, "Enable"}, {"ScrollBar44", kScroll, {}, 0, 20, 0, 10},
        {"Label108", kLabel, "0 dB"}, {"ScrollBar45", kScroll, {}, 10, 50, 10, 10},
        {"Label111", kLabel, "0.25ms"}}},
    {"TabSheet21", "GroupBox41", {
        {"ScrollBar47", kScroll, {}, 10, 93, 20, 10}, {"ScrollBar48", kScroll, {}, 8, 32, 20, 10},
        {"ScrollBar46", kScroll, {}, 0, 256, 128, 10}}},
    {"TabSheet21", "GroupBox42", {
        {"ScrollBar50", kScroll, {}, -30, 9, 0, 10}, {"Label112", kLabel, "0 dB"},
        {"ScrollBar51", kScroll, {}, -30, 9, -6, 10}, {"Label124", kLabel, "-6 dB"}}},
    {"TabSheet22", nullptr, {  // "Measures / AutoTuning": the calibration file
        {"CalFileGroup", kGroup, "Calibration file"}}},
    {"TabSheet22", "CalFileGroup", {
        {"CalFileCaption", kLabel, "File:"}, {"CalFileLabel", kLabel, ""}}},
};
// clang-format on

TEST(ListPages, DesignedControlsHaveTheirClassPlaceCaptionRangeAndState) {
  ExpectControls(kTable);
}

QStringList Captions(const char* page) {
  QStringList out;
  for (QPushButton* b : Find(page)->findChildren<QPushButton*>()) out << b->text();
  return out;
}

// Every page carries its memo buttons and, where it has one, its wizard; the
// measures pages their bench buttons.
TEST(ListPages, PagesCarryTheirMemoWizardAndBenchButtons) {
  const struct {
    const char* page;
    std::vector<const char*> captions;
  } pages[] = {
      {"TabSheet4", {"Send to Memo", "Get from Memo", "Q7xx settings to Memo", "Wizard"}},
      {"TabSheet9", {"Send to Memo", "Get from Memo", "Q7xx settings to Memo"}},
      {"TabSheet5", {"Send to Memo", "Get from Memo", "Q7xx  to Memo"}},
      {"TabSheet6",
       {"Send all to Memo", "Get all from Memo", "Q7xx settings to Memo", "Send to Memo",
        "Send to Memo", "Send to Memo", "Send to Memo", "Wizard", "Wizard"}},
      {"TabSheet20", {"Send all to Memo", "Get all from Memo", "Q7xx settings to Memo"}},
      {"TabSheet11", {"Send all to Memo", "Get all from Memo", "Q7xx settings to Memo"}},
      {"TabSheet22", {"Define cal file", "Cal Ref mike", "Cal mouth", "Import ear data", "Cal Ear",
                      "Cal CMU200", "Cal DL electrical IF", "Cal UL electrical IF"}},
      {"TabSheet24", {"RLR", "SLR", "ERL/TCL (echo)", "Wave bench", "Start Word report",
                      "Close Word report"}},
  };
  for (const auto& p : pages) {
    SCOPED_TRACE(p.page);
    QStringList found = Captions(p.page);
    for (const char* caption : p.captions) EXPECT_TRUE(found.removeOne(caption)) << caption;
  }
  // The filter wizards' buttons are bold, one in each direction's group.
  EXPECT_EQ(Captions("TabSheet6").count("Wizard"), 2);
  for (const char* group : {"Downlink filtering", "Uplink filtering"}) {
    QList<QPushButton*> wizards;
    for (QGroupBox* g : Find("TabSheet6")->findChildren<QGroupBox*>())
      if (g->title() == group)
        for (QPushButton* b : g->findChildren<QPushButton*>())
          if (b->text() == "Wizard") wizards << b;
    ASSERT_EQ(wizards.size(), 1) << group;
    EXPECT_TRUE(wizards[0]->font().bold());
  }
  for (QPushButton* b : Find("TabSheet24")->findChildren<QPushButton*>())
    if (b->text() == "RLR" || b->text() == "SLR" || b->text() == "ERL/TCL (echo)") {
      auto* g = qobject_cast<QGroupBox*>(b->parentWidget());
      ASSERT_NE(g, nullptr);
      EXPECT_EQ(g->title(), "Telephonometry");
    }
  QList<QCheckBox*> log;
  for (QCheckBox* b : Find("TabSheet24")->findChildren<QCheckBox*>())
    if (b->text() == "Log result") log << b;
  ASSERT_EQ(log.size(), 1);
  EXPECT_TRUE(log[0]->isChecked());
}

// The calibration, configuration and measurement pages of "Measures /
// AutoTuning"; on the configuration page two independent interface choices,
// each with its designed default.
TEST(ListPages, MeasuresPagesAndTheirInterfaceChoices) {
  auto* pages = Find<QTabWidget>("PageControl2");
  ASSERT_NE(pages, nullptr);
  QStringList tabs;
  for (int i = 0; i < pages->count(); ++i) tabs << pages->tabText(i);
  EXPECT_EQ(tabs, QStringList({"Calibration", "Configuration", "Measurements"}));

  const struct {
    const char* group;
    QStringList captions;
    const char* checked;
  } choices[] = {
      {"DL measurement IF",
       {"Type 1 or free-field", "Type 3.2 low leak", "Type 3.2 hi leak", "Type 3.3",
        "Electrical IF"},
       "Type 3.2 low leak"},
      {"UL measurement IF", {"Artificial mouth", "Electrical IF"}, "Artificial mouth"},
  };
  QList<QRadioButton*> radios[2];
  for (int c = 0; c < 2; ++c) {
    SCOPED_TRACE(choices[c].group);
    for (QGroupBox* g : Find("TabSheet23")->findChildren<QGroupBox*>())
      if (g->title() == choices[c].group) radios[c] = g->findChildren<QRadioButton*>();
    QStringList captions;
    for (QRadioButton* r : radios[c]) {
      captions << r->text();
      EXPECT_EQ(r->isChecked(), r->text() == choices[c].checked) << r->text().toStdString();
    }
    EXPECT_EQ(captions, choices[c].captions);
  }
  ASSERT_FALSE(radios[0].isEmpty() || radios[1].isEmpty());
  // Choosing the DL interface leaves the UL one alone.
  radios[0][0]->setChecked(true);
  EXPECT_FALSE(radios[0][1]->isChecked());
  EXPECT_TRUE(radios[1][0]->isChecked());
  radios[0][1]->setChecked(true);  // back to the designed state
}

TEST(ListPages, RadioGroupsAreIndependent) {
  App();
  frame::TFrame1 f;
  ExpectExclusiveGroups(f, {{"RadioButton18", "RadioButton19", "RadioButton20", "RadioButton31",
                             "RadioButton32"},
                            {"RadioButton3", "RadioButton36"}});
}

// The pages fit the page control of the host window (about 1090 x 470 pixels)
// with the largest layout: the Q710/2 list and all that the gating or a
// warning can show.
TEST(ListLayout, PagesFitWithEveryOptionalControlShown) {
  frame::TFrame1& f = Frame();
  const std::initializer_list<QWidget*> optional = {
      f.ValueListEditor9, f.CheckBox96, f.GroupBox54, f.Button54, f.Button130,
      f.CheckBox97, f.RadioButton31, f.RadioButton32};
  for (QWidget* w : optional) w->show();
  f.ValueListEditor4->hide();
  f.PageControl1->setFixedSize(1090, 470);
  f.show();
  {
    // Page changes without the tab-change handler: this is about layout only.
    QSignalBlocker quiet(f.PageControl1);
    ExpectTabsFit(f.PageControl1, {"TabSheet4", "TabSheet18", "TabSheet9", "TabSheet5",
                                   "TabSheet6", "TabSheet20", "TabSheet11", "TabSheet21"});
    f.PageControl1->setCurrentWidget(f.TabSheet17);
    ExpectTabsFit(f.PageControl2, {"TabSheet22", "TabSheet23", "TabSheet24"});
    // The inner pages take the whole tab.
    EXPECT_GE(f.PageControl2->width(), f.TabSheet17->width() - 20);
  }
  f.hide();
  f.ValueListEditor4->show();
  for (QWidget* w : optional) w->hide();
}

}  // namespace
}  // namespace vt::testing
