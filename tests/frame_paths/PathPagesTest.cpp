// The controls of the codec, DSP-config, global-path, delay, PCM-port, TTY,
// test and tone pages as built: names, classes, captions, ranges, start
// states, the page and group each sits in, the design-time hidden ones, and
// the pages fitting the page control.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QPushButton>

#include "tests/support/ControlTable.h"
#include "tests/support/PageLayout.h"

namespace vt::testing {
namespace {

const std::vector<const char*> kPages = {"TabSheet1",  "TabSheet2",  "TabSheet3",  "TabSheet15",
                                         "TabSheet8",  "TabSheet10", "TabSheet12", "TabSheet16",
                                         "TabSheet14", "TabSheet13", "TabSheet7"};

// Check and radio buttons by the title of their nearest group; bars and value
// labels by page only.
// clang-format off
const std::vector<Rows> kTable = {
    {"TabSheet1", "", {{"CheckBox63", kCheck, "Audio path"}}},
    {"TabSheet1", "Path active", {
        {"CheckBox64", kCheck, "DAC", 0, 0, 1}, {"CheckBox65", kCheck, "Sidetone", 0, 0, 1},
        {"CheckBox66", kCheck, "Aux stereo input"}, {"CheckBox67", kCheck, "Uplink out"},
        {"CheckBox68", kCheck, "Downlink out"}, {"CheckBox75", kCheck, "ADC", 0, 0, 1},
        {"CheckBox88", kCheck, "PCM port IN"}, {"CheckBox89", kCheck, "PCM port OUT"},
        {"CheckBox115", kCheck, "Metallic noise filter"}}},
    {"TabSheet2", "", {
        {"CheckBox3", kCheck, "In gain"}, {"CheckBox46", kCheck, "Input selection"},
        {"CheckBox56", kCheck, "Mike bias"}, {"CheckBox59", kCheck, "Mute"},
        {"CheckBox60", kCheck, "ON"}}},
    {"TabSheet2", "Mike", {
        {"RadioButton7", kRadio, "Internal", 0, 0, 1}, {"RadioButton8", kRadio, "External"}}},
    {"TabSheet2", "Voltage", {
        {"RadioButton9", kRadio, "2.2V"}, {"RadioButton10", kRadio, "2.4V", 0, 0, 1}}},
    {"TabSheet2", "Connected to:", {
        {"RadioButton1", kRadio, "VCM"}, {"RadioButton2", kRadio, "Ground", 0, 0, 1}}},
    {"TabSheet2", nullptr, {
        {"ScrollBar1", kScroll, {}, 0, 3, 1}, {"ScrollBar11", kScroll, {}, 0, 10},
        {"Label21", kLabel, "0dB"}, {"Label25", kLabel, "0dB"}, {"Label26", kLabel, "Total: 0dB"},
        {"Label137", kLabel, "Mike GND"}, {"GroupBox44", kGroup, "Connected to:"}}},
    {"TabSheet3", "", {
        {"CheckBox2", kCheck, "Out gain"}, {"CheckBox57", kCheck, "Output selection"},
        {"CheckBox14", kCheck, "VCM enabled"}, {"CheckBox58", kCheck, "Output mode"},
        {"CheckBox61", kCheck, "Mute"}, {"CheckBox62", kCheck, "ON"}}},
    {"TabSheet3", "Output", {
        {"RadioButton11", kRadio, "Ear", 0, 0, 1}, {"RadioButton12", kRadio, "Headset"},
        {"RadioButton13", kRadio, "Line"}, {"RadioButton21", kRadio, "Spk 1 (HSOP-EARN)"},
        {"RadioButton22", kRadio, "Spk 2 (HSON-EARP)"},
        {"RadioButton33", kRadio, "8ohms", 0, 0, 0, 0, kHid}}},
    {"TabSheet3", "Mode", {
        {"RadioButton14", kRadio, "Mono", 0, 0, 1}, {"RadioButton15", kRadio, "Stereo"}}},
    {"TabSheet3", nullptr, {{"ScrollBar10", kScroll, {}, 0, 9}, {"Label22", kLabel, "0"}}},
    {"TabSheet15", "", {
        {"CheckBox69", kCheck, "Sidetone gain"}, {"CheckBox70", kCheck, "Aux input mode"},
        {"CheckBox71", kCheck, "Uplink out mode"}}},
    {"TabSheet15", "Mode", {
        {"CheckBox72", kCheck, "Mix up and down"}, {"CheckBox73", kCheck, "Source after PGA"},
        {"RadioButton16", kRadio, "Mono"}, {"RadioButton17", kRadio, "Stereo", 0, 0, 1}}},
    {"TabSheet15", nullptr, {{"ScrollBar25", kScroll, {}, 0, 16}, {"Label43", kLabel, "0"}}},
    {"TabSheet8", "Downlink filtering", {
        {"CheckBox4", kCheck, "DL FIR"}, {"CheckBox5", kCheck, "Enabled"},
        {"CheckBox76", kCheck, "DL IIR"}, {"CheckBox77", kCheck, "Enabled"},
        {"CheckBox29", kCheck, "DL DC removal"}, {"CheckBox30", kCheck, "Enabled"}}},
    {"TabSheet8", "Uplink filtering", {
        {"CheckBox11", kCheck, "UL FIR"}, {"CheckBox12", kCheck, "Enabled"},
        {"CheckBox16", kCheck, "UL IIR"}, {"CheckBox17", kCheck, "Enabled"},
        {"CheckBox27", kCheck, "UL DC removal"}, {"CheckBox28", kCheck, "Enabled"}}},
    {"TabSheet8", "Echo control", {
        {"CheckBox7", kCheck, "Echo Canceller"}, {"CheckBox8", kCheck, "Enabled"},
        {"CheckBox78", kCheck, "Clipping"}, {"CheckBox79", kCheck, "Noise fill"},
        {"CheckBox21", kCheck, "Echo Supp UL"}, {"CheckBox22", kCheck, "Enabled"},
        {"CheckBox23", kCheck, "Echo Supp DL"}, {"CheckBox24", kCheck, "Enabled"},
        {"CheckBox100", kCheck, "Selective ES", 0, 0, 0, 0, kHid},
        {"CheckBox101", kCheck, "Enabled", 0, 0, 0, 0, kHid}}},
    {"TabSheet8", "UL Dyn treatment", {
        {"CheckBox36", kCheck, "UL limiter"}, {"CheckBox37", kCheck, "Enabled"},
        {"CheckBox42", kCheck, "Low Voice Booster"}, {"CheckBox43", kCheck, "Enabled"},
        {"CheckBox116", kCheck, "Noise Gate"}, {"CheckBox117", kCheck, "Enabled"}}},
    {"TabSheet8", "Noise control", {
        {"CheckBox25", kCheck, "UL Noise Supp"}, {"CheckBox26", kCheck, "Enabled"},
        {"CheckBox109", kCheck, "DL Noise Supp"}, {"CheckBox110", kCheck, "Enabled"}}},
    {"TabSheet8", "Miscellaneous", {
        {"CheckBox81", kCheck, "DSP sidetone"}, {"CheckBox80", kCheck, "Enabled"}}},
    {"TabSheet8", "DL Dyn treatment", {
        {"CheckBox103", kCheck, "Peak limiter"}, {"CheckBox105", kCheck, "Enabled"},
        {"CheckBox104", kCheck, "Voice compressor"}, {"CheckBox102", kCheck, "Enabled"},
        {"CheckBox106", kCheck, "Noise Gate"}, {"CheckBox107", kCheck, "Enabled"}}},
    {"TabSheet8", nullptr, {{"GroupBox2", kGroup, "DL Dyn treatment"}}},
    {"TabSheet10", "Miscellaneous", {
        {"CheckBox6", kCheck, "DL Volume"}, {"CheckBox33", kCheck, "DL Noise factor"}}},
    {"TabSheet10", "DC removal frequency", {
        {"CheckBox31", kCheck, "UL DC rm freq"}, {"CheckBox32", kCheck, "DL DC rm freq"}}},
    {"TabSheet10", "DSP gain", {
        {"CheckBox34", kCheck, "UL gain"}, {"CheckBox35", kCheck, "DL gain"}}},
    {"TabSheet10", "DSP sidetone", {
        {"CheckBox74", kCheck, "Sidetone gain"}, {"CheckBox82", kCheck, "Lag"}}},
    {"TabSheet10", nullptr, {
        {"ScrollBar12", kScroll, {}, 1, 32767, 32767},
        {"ScrollBar14", kScroll, {}, 12944, 32767, 32752, 10},
        {"ScrollBar15", kScroll, {}, 12944, 32767, 32752, 10},
        {"ScrollBar16", kScroll, {}, 0, 32767, 2240}, {"ScrollBar17", kScroll, {}, 1, 32767, 4096},
        {"ScrollBar18", kScroll, {}, 1, 32767, 4096}, {"ScrollBar27", kScroll, {}, 0, 32767, 32767},
        {"ScrollBar26", kScroll, {}, 40, 240, 40}, {"Label27", kLabel, "0dB"},
        {"Label30", kLabel, "1.24 Hz"}, {"Label31", kLabel, "1.24 Hz"}, {"Label32", kLabel, "2240"},
        {"Label33", kLabel, "0 dB"}, {"Label34", kLabel, "0 dB"}, {"Label44", kLabel, "0 dB"},
        {"Label46", kLabel, "5 ms"}}},
    {"TabSheet12", "", {
        {"CheckBox44", kCheck, "Pcm in delay"}, {"CheckBox45", kCheck, "Pcm out delay"}}},
    {"TabSheet12", nullptr, {
        {"ScrollBar23", kScroll, {}, 0, 159, 96, 10}, {"ScrollBar24", kScroll, {}, 0, 159, 72, 10},
        {"Label39", kLabel, "12ms"}, {"Label40", kLabel, "9ms"}}},
    {"TabSheet16", "", {{"CheckBox87", kCheck, "PCM config"}}},
    {"TabSheet16", "Settings", {
        {"CheckBox84", kCheck, "SYNC mastered by Q715"},
        {"CheckBox85", kCheck, "CLK mastered by Q715"}, {"CheckBox86", kCheck, "MSB first"}}},
    {"TabSheet16", "Word length", {
        {"RadioButton23", kRadio, "8bits"}, {"RadioButton24", kRadio, "16bits", 0, 0, 1}}},
    {"TabSheet16", "Clock edge sampling", {
        {"RadioButton25", kRadio, "falling"}, {"RadioButton26", kRadio, "rising", 0, 0, 1}}},
    {"TabSheet16", nullptr, {
        {"ScrollBar28", kScroll, {}, 0, 63}, {"ScrollBar29", kScroll, {}, 0, 255, 124},
        {"Label48", kLabel, "1000000Hz"}, {"Label49", kLabel, "8000Hz"}}},
    {"TabSheet14", "", {
        {"CheckBox50", kCheck, "TTY DownLink control"}, {"CheckBox51", kCheck, "Enable"},
        {"CheckBox52", kCheck, "CTM only"}, {"CheckBox53", kCheck, "TTY UpLink control"},
        {"CheckBox54", kCheck, "Enable"}, {"CheckBox55", kCheck, "CTM only"}}},
    {"TabSheet13", "", {{"CheckBox47", kCheck, "Test control"}}},
    {"TabSheet13", "Test config", {
        {"CheckBox48", kCheck, "TTY disable bypass"},
        {"CheckBox49", kCheck, "TTY disable notification"}, {"ComboBox1", kCombo, "Normal"},
        {"Edit1", kEdit, "0x0404"}, {"Button64", kButton, "Update"}}},
    {"TabSheet13", nullptr, {{"Button2", kButton, "Init DAS"}}},
    {"TabSheet7", "Tone", {
        {"CheckBox1", kCheck, "Tone"}, {"CheckBox99", kCheck, "Foreground", 0, 0, 1}}},
    {"TabSheet7", nullptr, {
        {"ScrollBar2", kScroll, {}, 50, 4000, 440}, {"ScrollBar4", kScroll, {}, 50, 4000, 880},
        {"ScrollBar6", kScroll, {}, 50, 4000, 1000}, {"ScrollBar8", kScroll, {}, 50, 4000, 2000},
        {"ScrollBar3", kScroll, {}, 0, 100, 50}, {"ScrollBar5", kScroll, {}, 0, 100},
        {"ScrollBar7", kScroll, {}, 0, 100}, {"ScrollBar9", kScroll, {}, 0, 100}}},
};
// clang-format on

TEST(PathPages, DesignedControlsHaveTheirClassPlaceCaptionRangeAndState) {
  ExpectControls(kTable);
  auto* mode = Find<QComboBox>("ComboBox1");
  QStringList items;
  for (int i = 0; i < mode->count(); ++i) items << mode->itemText(i);
  EXPECT_EQ(items, QStringList({"Normal", "CDC_loopback", "AFE_loopback", "VOC_loopback", "DAI",
                                "DAI_loopback", "PCM_INT_loopback"}));
  EXPECT_FALSE(mode->isEditable());
  // The caption texts that name the mode and clock fields sit beside them.
  QStringList captions;
  for (auto* l : Find("TestConfigGroup")->findChildren<QLabel*>()) captions << l->text();
  EXPECT_TRUE(captions.contains("Mode") && captions.contains("DAI clock"));
}

// Only the controls the gating shows on a Q710/2 handset are hidden when the
// frame is built, and nothing of these pages is disabled.
TEST(PathPages, OnlyTheChipDependentControlsStartHidden) {
  std::set<QString> hidden;
  for (const Rows& p : kTable)
    for (const Row& r : p.rows)
      if (r.flags & kHid) hidden.insert(r.name);
  ASSERT_EQ(hidden.size(), 3u);  // RadioButton33, CheckBox100, CheckBox101
  for (const char* name : kPages) {
    QWidget* page = Find(name);
    ASSERT_NE(page, nullptr) << name;
    for (QWidget* w : page->findChildren<QWidget*>()) {
      if (w->objectName().isEmpty() || w->objectName().startsWith("qt_")) continue;
      EXPECT_EQ(w->isVisibleTo(page), hidden.count(w->objectName()) == 0)
          << w->objectName().toStdString();
      EXPECT_TRUE(w->isEnabled()) << w->objectName().toStdString();
    }
  }
}

TEST(PathPages, SectionPagesCarryTheirMemoButtonsOnce) {
  for (const char* name : kPages) {
    SCOPED_TRACE(name);
    // The TTY, test and tone pages have no memo section.
    const int want = QStringList{"TabSheet14", "TabSheet13", "TabSheet7"}.contains(name) ? 0 : 1;
    for (const char* caption :
         {"Send all to Memo", "Get all from Memo", "Q7xx settings to Memo"}) {
      int n = 0;
      for (auto* b : Find(name)->findChildren<QPushButton*>()) n += b->text() == caption;
      EXPECT_EQ(n, want) << caption;
    }
  }
}

TEST(PathPages, RadioGroupsAreExclusiveOnTheirOwn) {
  App();
  frame::TFrame1 f;
  ExpectExclusiveGroups(
      f, {{"RadioButton7", "RadioButton8"}, {"RadioButton9", "RadioButton10"},
          {"RadioButton1", "RadioButton2"},
          {"RadioButton11", "RadioButton12", "RadioButton13", "RadioButton21", "RadioButton22",
           "RadioButton33"},
          {"RadioButton14", "RadioButton15"}, {"RadioButton16", "RadioButton17"},
          {"RadioButton23", "RadioButton24"}, {"RadioButton25", "RadioButton26"}});
}

// Both default views fit the page control of the host window (about 1090 x 470
// pixels): the Q710/2 one shows the most controls, the Q711/15 one hides
// groups and leaves their neighbours to hold the page together.
TEST(PathLayout, PagesFitThePageControlWithoutClippingOrOverlap) {
  App();
  frame::TFrame1 f;
  f.PageControl1->setFixedSize(1090, 470);
  f.show();
  f.RadioButton35->setChecked(true);
  ASSERT_TRUE(f.CheckBox100->isVisibleTo(f.TabSheet8));  // the fuller layout is on
  ExpectTabsFit(f.PageControl1, kPages, "Q710/2 view");
  f.RadioButton34->setChecked(true);
  ExpectTabsFit(f.PageControl1, kPages, "Q711/15 view");
}

}  // namespace
}  // namespace vt::testing
