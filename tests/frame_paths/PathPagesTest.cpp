// The controls of the codec, DSP-config, global-path, delay, PCM-port, TTY,
// test and tone pages as built: names, classes, captions, ranges, start
// states, the page and group each sits in, and the design-time hidden ones.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include <set>

#include "tests/support/FrameFixture.h"

namespace vt::testing {
namespace {

using frame::TScrollBar;

struct Box {
  const char* name;
  const char* page;
  const char* group;  // nearest titled group, "" when none
  const char* caption;
  bool checked;
};

const Box kCheckBoxes[] = {
    {"CheckBox63", "TabSheet1", "", "Audio path", false},
    {"CheckBox64", "TabSheet1", "Path active", "DAC", true},
    {"CheckBox65", "TabSheet1", "Path active", "Sidetone", true},
    {"CheckBox66", "TabSheet1", "Path active", "Aux stereo input", false},
    {"CheckBox67", "TabSheet1", "Path active", "Uplink out", false},
    {"CheckBox68", "TabSheet1", "Path active", "Downlink out", false},
    {"CheckBox75", "TabSheet1", "Path active", "ADC", true},
    {"CheckBox88", "TabSheet1", "Path active", "PCM port IN", false},
    {"CheckBox89", "TabSheet1", "Path active", "PCM port OUT", false},
    {"CheckBox115", "TabSheet1", "Path active", "Metallic noise filter", false},
    {"CheckBox3", "TabSheet2", "", "In gain", false},
    {"CheckBox46", "TabSheet2", "", "Input selection", false},
    {"CheckBox56", "TabSheet2", "", "Mike bias", false},
    {"CheckBox59", "TabSheet2", "", "Mute", false},
    {"CheckBox60", "TabSheet2", "", "ON", false},
    {"CheckBox2", "TabSheet3", "", "Out gain", false},
    {"CheckBox57", "TabSheet3", "", "Output selection", false},
    {"CheckBox14", "TabSheet3", "", "VCM enabled", false},
    {"CheckBox58", "TabSheet3", "", "Output mode", false},
    {"CheckBox61", "TabSheet3", "", "Mute", false},
    {"CheckBox62", "TabSheet3", "", "ON", false},
    {"CheckBox69", "TabSheet15", "", "Sidetone gain", false},
    {"CheckBox70", "TabSheet15", "", "Aux input mode", false},
    {"CheckBox71", "TabSheet15", "", "Uplink out mode", false},
    {"CheckBox72", "TabSheet15", "Mode", "Mix up and down", false},
    {"CheckBox73", "TabSheet15", "Mode", "Source after PGA", false},
    {"CheckBox4", "TabSheet8", "Downlink filtering", "DL FIR", false},
    {"CheckBox5", "TabSheet8", "Downlink filtering", "Enabled", false},
    {"CheckBox76", "TabSheet8", "Downlink filtering", "DL IIR", false},
    {"CheckBox77", "TabSheet8", "Downlink filtering", "Enabled", false},
    {"CheckBox29", "TabSheet8", "Downlink filtering", "DL DC removal", false},
    {"CheckBox30", "TabSheet8", "Downlink filtering", "Enabled", false},
    {"CheckBox11", "TabSheet8", "Uplink filtering", "UL FIR", false},
    {"CheckBox12", "TabSheet8", "Uplink filtering", "Enabled", false},
    {"CheckBox16", "TabSheet8", "Uplink filtering", "UL IIR", false},
    {"CheckBox17", "TabSheet8", "Uplink filtering", "Enabled", false},
    {"CheckBox27", "TabSheet8", "Uplink filtering", "UL DC removal", false},
    {"CheckBox28", "TabSheet8", "Uplink filtering", "Enabled", false},
    {"CheckBox7", "TabSheet8", "Echo control", "Echo Canceller", false},
    {"CheckBox8", "TabSheet8", "Echo control", "Enabled", false},
    {"CheckBox78", "TabSheet8", "Echo control", "Clipping", false},
    {"CheckBox79", "TabSheet8", "Echo control", "Noise fill", false},
    {"CheckBox21", "TabSheet8", "Echo control", "Echo Supp UL", false},
    {"CheckBox22", "TabSheet8", "Echo control", "Enabled", false},
    {"CheckBox23", "TabSheet8", "Echo control", "Echo Supp DL", false},
    {"CheckBox24", "TabSheet8", "Echo control", "Enabled", false},
    {"CheckBox100", "TabSheet8", "Echo control", "Selective ES", false},
    {"CheckBox101", "TabSheet8", "Echo control", "Enabled", false},
    {"CheckBox36", "TabSheet8", "UL Dyn treatment", "UL limiter", false},
    {"CheckBox37", "TabSheet8", "UL Dyn treatment", "Enabled", false},
    {"CheckBox42", "TabSheet8", "UL Dyn treatment", "Low Voice Booster", false},
    {"CheckBox43", "TabSheet8", "UL Dyn treatment", "Enabled", false},
    {"CheckBox116", "TabSheet8", "UL Dyn treatment", "Noise Gate", false},
    {"CheckBox117", "TabSheet8", "UL Dyn treatment", "Enabled", false},
    {"CheckBox25", "TabSheet8", "Noise control", "UL Noise Supp", false},
    {"CheckBox26", "TabSheet8", "Noise control", "Enabled", false},
    {"CheckBox109", "TabSheet8", "Noise control", "DL Noise Supp", false},
    {"CheckBox110", "TabSheet8", "Noise control", "Enabled", false},
    {"CheckBox81", "TabSheet8", "Miscellaneous", "DSP sidetone", false},
    {"CheckBox80", "TabSheet8", "Miscellaneous", "Enabled", false},
    {"CheckBox103", "TabSheet8", "DL Dyn treatment", "Peak limiter", false},
    {"CheckBox105", "TabSheet8", "DL Dyn treatment", "Enabled", false},
    {"CheckBox104", "TabSheet8", "DL Dyn treatment", "Voice compressor", false},
    {"CheckBox102", "TabSheet8", "DL Dyn treatment", "Enabled", false},
    {"CheckBox106", "TabSheet8", "DL Dyn treatment", "Noise Gate", false},
    {"CheckBox107", "TabSheet8", "DL Dyn treatment", "Enabled", false},
    {"CheckBox6", "TabSheet10", "Miscellaneous", "DL Volume", false},
    {"CheckBox33", "TabSheet10", "Miscellaneous", "DL Noise factor", false},
    {"CheckBox31", "TabSheet10", "DC removal frequency", "UL DC rm freq", false},
    {"CheckBox32", "TabSheet10", "DC removal frequency", "DL DC rm freq", false},
    {"CheckBox34", "TabSheet10", "DSP gain", "UL gain", false},
    {"CheckBox35", "TabSheet10", "DSP gain", "DL gain", false},
    {"CheckBox74", "TabSheet10", "DSP sidetone", "Sidetone gain", false},
    {"CheckBox82", "TabSheet10", "DSP sidetone", "Lag", false},
    {"CheckBox44", "TabSheet12", "", "Pcm in delay", false},
    {"CheckBox45", "TabSheet12", "", "Pcm out delay", false},
    {"CheckBox87", "TabSheet16", "", "PCM config", false},
    {"CheckBox84", "TabSheet16", "Settings", "SYNC mastered by Q715", false},
    {"CheckBox85", "TabSheet16", "Settings", "CLK mastered by Q715", false},
    {"CheckBox86", "TabSheet16", "Settings", "MSB first", false},
    {"CheckBox50", "TabSheet14", "", "TTY DownLink control", false},
    {"CheckBox51", "TabSheet14", "", "Enable", false},
    {"CheckBox52", "TabSheet14", "", "CTM only", false},
    {"CheckBox53", "TabSheet14", "", "TTY UpLink control", false},
    {"CheckBox54", "TabSheet14", "", "Enable", false},
    {"CheckBox55", "TabSheet14", "", "CTM only", false},
    {"CheckBox47", "TabSheet13", "", "Test control", false},
    {"CheckBox48", "TabSheet13", "Test config", "TTY disable bypass", false},
    {"CheckBox49", "TabSheet13", "Test config", "TTY disable notification", false},
    {"CheckBox1", "TabSheet7", "Tone", "Tone", false},
    {"CheckBox99", "TabSheet7", "Tone", "Foreground", true},
};

const Box kRadioButtons[] = {
    {"RadioButton7", "TabSheet2", "Mike", "Internal", true},
    {"RadioButton8", "TabSheet2", "Mike", "External", false},
    {"RadioButton9", "TabSheet2", "Voltage", "2.2V", false},
    {"RadioButton10", "TabSheet2", "Voltage", "2.4V", true},
    {"RadioButton1", "TabSheet2", "Connected to:", "VCM", false},
    {"RadioButton2", "TabSheet2", "Connected to:", "Ground", true},
    {"RadioButton11", "TabSheet3", "Output", "Ear", true},
    {"RadioButton12", "TabSheet3", "Output", "Headset", false},
    {"RadioButton13", "TabSheet3", "Output", "Line", false},
    {"RadioButton21", "TabSheet3", "Output", "Spk 1 (HSOP-EARN)", false},
    {"RadioButton22", "TabSheet3", "Output", "Spk 2 (HSON-EARP)", false},
    {"RadioButton33", "TabSheet3", "Output", "8ohms", false},
    {"RadioButton14", "TabSheet3", "Mode", "Mono", true},
    {"RadioButton15", "TabSheet3", "Mode", "Stereo", false},
    {"RadioButton16", "TabSheet15", "Mode", "Mono", false},
    {"RadioButton17", "TabSheet15", "Mode", "Stereo", true},
    {"RadioButton23", "TabSheet16", "Word length", "8bits", false},
    {"RadioButton24", "TabSheet16", "Word length", "16bits", true},
    {"RadioButton25", "TabSheet16", "Clock edge sampling", "falling", false},
    {"RadioButton26", "TabSheet16", "Clock edge sampling", "rising", true},
};

struct Bar {
  const char* name;
  const char* page;
  int min, max, start;
  int largeStep;  // 0: not fixed by the handset's format
};

const Bar kBars[] = {
    {"ScrollBar1", "TabSheet2", 0, 3, 1, 0},
    {"ScrollBar11", "TabSheet2", 0, 10, 0, 0},
    {"ScrollBar10", "TabSheet3", 0, 9, 0, 0},
    {"ScrollBar25", "TabSheet15", 0, 16, 0, 0},
    {"ScrollBar12", "TabSheet10", 1, 32767, 32767, 0},
    {"ScrollBar14", "TabSheet10", 12944, 32767, 32752, 10},
    {"ScrollBar15", "TabSheet10", 12944, 32767, 32752, 10},
    {"ScrollBar16", "TabSheet10", 0, 32767, 2240, 0},
    {"ScrollBar17", "TabSheet10", 1, 32767, 4096, 0},
    {"ScrollBar18", "TabSheet10", 1, 32767, 4096, 0},
    {"ScrollBar27", "TabSheet10", 0, 32767, 32767, 0},
    {"ScrollBar26", "TabSheet10", 40, 240, 40, 0},
    {"ScrollBar23", "TabSheet12", 0, 159, 96, 10},
    {"ScrollBar24", "TabSheet12", 0, 159, 72, 10},
    {"ScrollBar28", "TabSheet16", 0, 63, 0, 0},
    {"ScrollBar29", "TabSheet16", 0, 255, 124, 0},
    {"ScrollBar2", "TabSheet7", 50, 4000, 440, 0},
    {"ScrollBar4", "TabSheet7", 50, 4000, 880, 0},
    {"ScrollBar6", "TabSheet7", 50, 4000, 1000, 0},
    {"ScrollBar8", "TabSheet7", 50, 4000, 2000, 0},
    {"ScrollBar3", "TabSheet7", 0, 100, 50, 0},
    {"ScrollBar5", "TabSheet7", 0, 100, 0, 0},
    {"ScrollBar7", "TabSheet7", 0, 100, 0, 0},
    {"ScrollBar9", "TabSheet7", 0, 100, 0, 0},
};

struct Text {
  const char* name;
  const char* page;
  const char* text;
};

// Value labels with the text they show before any bar moves.
const Text kLabels[] = {
    {"Label21", "TabSheet2", "0dB"},         {"Label25", "TabSheet2", "0dB"},
    {"Label26", "TabSheet2", "Total: 0dB"},  {"Label137", "TabSheet2", "Mike GND"},
    {"Label22", "TabSheet3", "0"},           {"Label43", "TabSheet15", "0"},
    {"Label27", "TabSheet10", "0dB"},        {"Label30", "TabSheet10", "1.24 Hz"},
    {"Label31", "TabSheet10", "1.24 Hz"},    {"Label32", "TabSheet10", "2240"},
    {"Label33", "TabSheet10", "0 dB"},       {"Label34", "TabSheet10", "0 dB"},
    {"Label44", "TabSheet10", "0 dB"},       {"Label46", "TabSheet10", "5 ms"},
    {"Label39", "TabSheet12", "12ms"},       {"Label40", "TabSheet12", "9ms"},
    {"Label48", "TabSheet16", "1000000Hz"},  {"Label49", "TabSheet16", "8000Hz"},
};

const std::set<QString> kHiddenAtStart = {"RadioButton33", "CheckBox100", "CheckBox101"};

// Hidden at design time only where the gating shows them; nothing of these pages is disabled.
void ExpectShownState(const QWidget* w) {
  const QWidget* page = w;
  while (page && !page->objectName().startsWith("TabSheet")) page = page->parentWidget();
  ASSERT_NE(page, nullptr);
  EXPECT_EQ(w->isVisibleTo(page), kHiddenAtStart.count(w->objectName()) == 0)
      << w->objectName().toStdString();
  EXPECT_TRUE(w->isEnabled()) << w->objectName().toStdString();
}

TEST(PathPages, CheckBoxesHaveCaptionsGroupsAndStartStates) {
  std::set<std::string> seen;
  for (const Box& b : kCheckBoxes) {
    SCOPED_TRACE(b.name);
    EXPECT_TRUE(seen.insert(b.name).second);
    auto* c = Find<QCheckBox>(b.name);
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->text(), QString::fromLatin1(b.caption));
    EXPECT_EQ(c->isChecked(), b.checked);
    EXPECT_EQ(PageOf(c), b.page);
    EXPECT_EQ(GroupOf(c), b.group);
    ExpectShownState(c);
  }
}

TEST(PathPages, RadioButtonsHaveCaptionsGroupsAndStartStates) {
  for (const Box& b : kRadioButtons) {
    SCOPED_TRACE(b.name);
    auto* r = Find<QRadioButton>(b.name);
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(r->text(), QString::fromLatin1(b.caption));
    EXPECT_EQ(r->isChecked(), b.checked);
    EXPECT_EQ(PageOf(r), b.page);
    EXPECT_EQ(GroupOf(r), b.group);
    ExpectShownState(r);
  }
}

TEST(PathPages, ScrollBarsHaveRangesStartsAndLargeSteps) {
  for (const Bar& b : kBars) {
    SCOPED_TRACE(b.name);
    auto* s = Find<TScrollBar>(b.name);
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->orientation(), Qt::Horizontal);
    EXPECT_EQ(s->minimum(), b.min);
    EXPECT_EQ(s->maximum(), b.max);
    EXPECT_EQ(s->value(), b.start);
    if (b.largeStep) {
      EXPECT_EQ(s->pageStep(), b.largeStep);
    }
    // A page step beyond the range would jump from end to end.
    EXPECT_LE(s->pageStep(), std::max(1, (b.max - b.min) / 2));
    EXPECT_EQ(PageOf(s), b.page);
    ExpectShownState(s);
  }
}

TEST(PathPages, ValueLabelsShowTheirStartTexts) {
  for (const Text& t : kLabels) {
    SCOPED_TRACE(t.name);
    auto* l = Find<QLabel>(t.name);
    ASSERT_NE(l, nullptr);
    EXPECT_EQ(l->text(), QString::fromLatin1(t.text));
    EXPECT_EQ(PageOf(l), t.page);
    ExpectShownState(l);
  }
}

TEST(PathPages, NamedGroupsAndTestControls) {
  auto* dlDyn = Find<QGroupBox>("GroupBox2");
  ASSERT_NE(dlDyn, nullptr);
  EXPECT_EQ(dlDyn->title(), "DL Dyn treatment");
  EXPECT_EQ(PageOf(dlDyn), "TabSheet8");
  auto* ground = Find<QGroupBox>("GroupBox44");
  ASSERT_NE(ground, nullptr);
  EXPECT_EQ(ground->title(), "Connected to:");
  EXPECT_EQ(PageOf(ground), "TabSheet2");

  auto* mode = Find<QComboBox>("ComboBox1");
  ASSERT_NE(mode, nullptr);
  QStringList items;
  for (int i = 0; i < mode->count(); ++i) items << mode->itemText(i);
  EXPECT_EQ(items, QStringList({"Normal", "CDC_loopback", "AFE_loopback", "VOC_loopback", "DAI",
                                "DAI_loopback", "PCM_INT_loopback"}));
  EXPECT_EQ(mode->currentText(), "Normal");
  EXPECT_FALSE(mode->isEditable());
  EXPECT_EQ(GroupOf(mode), "Test config");
  auto* clock = Find<QLineEdit>("Edit1");
  ASSERT_NE(clock, nullptr);
  EXPECT_EQ(clock->text(), "0x0404");
  EXPECT_EQ(GroupOf(clock), "Test config");
  auto* update = Find<QPushButton>("Button64");
  ASSERT_NE(update, nullptr);
  EXPECT_EQ(update->text(), "Update");
  EXPECT_EQ(GroupOf(update), "Test config");
  auto* initDas = Find<QPushButton>("Button2");
  ASSERT_NE(initDas, nullptr);
  EXPECT_EQ(initDas->text(), "Init DAS");
  EXPECT_EQ(PageOf(initDas), "TabSheet13");
  // The caption texts that name the mode and clock fields sit beside them.
  std::set<QString> captions;
  for (auto* l : Find<QGroupBox>("TestConfigGroup")->findChildren<QLabel*>())
    captions.insert(l->text());
  EXPECT_TRUE(captions.count("Mode") && captions.count("DAI clock"));
}

// Only the controls the gating shows on a Q710/2 handset are hidden when the frame is built.
TEST(PathPages, OnlyTheChipDependentControlsStartHidden) {
  for (const char* name : {"TabSheet1", "TabSheet2", "TabSheet3", "TabSheet15", "TabSheet8",
                           "TabSheet10", "TabSheet12", "TabSheet16", "TabSheet14", "TabSheet13",
                           "TabSheet7"}) {
    QWidget* page = Find(name);
    ASSERT_NE(page, nullptr);
    for (QWidget* w : page->findChildren<QWidget*>()) {
      if (w->objectName().isEmpty() || w->objectName().startsWith("qt_")) continue;
      if (!w->isVisibleTo(page) && w->parentWidget()->isVisibleTo(page)) {
        EXPECT_EQ(kHiddenAtStart.count(w->objectName()), 1u) << w->objectName().toStdString();
      }
    }
  }
  for (const QString& n : kHiddenAtStart) EXPECT_TRUE(Find(n.toLatin1().constData())->isHidden());
}

TEST(PathPages, SectionPagesCarryTheirMemoButtonsOnce) {
  const char* withSections[] = {"TabSheet1", "TabSheet2", "TabSheet3", "TabSheet15",
                                "TabSheet8", "TabSheet10", "TabSheet12", "TabSheet16"};
  const QStringList memoCaptions = {"Send all to Memo", "Get all from Memo",
                                    "Q7xx settings to Memo"};
  auto count = [](QWidget* page, const QString& caption) {
    int n = 0;
    for (auto* b : page->findChildren<QPushButton*>()) n += b->text() == caption;
    return n;
  };
  for (const char* name : withSections) {
    SCOPED_TRACE(name);
    QWidget* page = Find(name);
    ASSERT_NE(page, nullptr);
    for (const QString& c : memoCaptions) EXPECT_EQ(count(page, c), 1) << c.toStdString();
  }
  for (const char* name : {"TabSheet14", "TabSheet13", "TabSheet7"})
    for (const QString& c : memoCaptions) EXPECT_EQ(count(Find(name), c), 0) << name;
}

// Each radio group is exclusive within itself and leaves the other groups alone.
TEST(PathPages, RadioGroupsAreExclusiveOnTheirOwn) {
  frame::TFrame1 f;
  auto radio = [&f](const char* n) { return f.findChild<QRadioButton*>(n); };
  const std::vector<std::vector<const char*>> groups = {
      {"RadioButton7", "RadioButton8"},
      {"RadioButton9", "RadioButton10"},
      {"RadioButton1", "RadioButton2"},
      {"RadioButton11", "RadioButton12", "RadioButton13", "RadioButton21", "RadioButton22",
       "RadioButton33"},
      {"RadioButton14", "RadioButton15"},
      {"RadioButton16", "RadioButton17"},
      {"RadioButton23", "RadioButton24"},
      {"RadioButton25", "RadioButton26"},
  };
  for (size_t g = 0; g < groups.size(); ++g) {
    for (const char* pick : groups[g]) {
      radio(pick)->setChecked(true);
      for (const char* other : groups[g])
        EXPECT_EQ(radio(other)->isChecked(), other == pick) << pick;
      // Every other group still has exactly one button on.
      for (size_t h = 0; h < groups.size(); ++h) {
        if (h == g) continue;
        int on = 0;
        for (const char* n : groups[h]) on += radio(n)->isChecked();
        EXPECT_EQ(on, 1) << pick << " disturbed " << groups[h][0];
      }
    }
  }
}

}  // namespace
}  // namespace vt::testing
