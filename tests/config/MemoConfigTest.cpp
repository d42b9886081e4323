#include "config/MemoConfig.h"

#include <gtest/gtest.h>

#include <climits>
#include <utility>
#include <vector>

namespace vt {
namespace {

using Lines = std::vector<std::string>;
using Pairs = std::vector<std::pair<std::string, std::string>>;

// Three plain memos and the cursor over them; `active` plays the "Active" buttons.
struct Memos {
  VectorLineStore memo[3];
  int active = 0;
  MemoConfig cfg;
  Memos() {
    cfg.Attach(&memo[0], &memo[1], &memo[2], [this] { return active; });
  }
  Pairs Read(std::string_view section) {
    Pairs out;
    cfg.OpenSection(section);
    std::string k, v;
    while (cfg.NextKeyValue(k, v)) out.emplace_back(k, v);
    return out;
  }
};

void WriteDspConf(MemoConfig& cfg, bool fir, int32_t n) {
  cfg.BeginSection("DSP_CONF");
  cfg.WriteBool("DL_FIR_en", fir);
  cfg.WriteInt("Count", n);
  cfg.WriteText("Word", "0x7FFF");
}

TEST(MemoConfig, WritesSectionIntoEmptyMemoThenRewritesItInPlace) {
  Memos m;
  WriteDspConf(m.cfg, true, -5);
  EXPECT_EQ(m.memo[0].Data(), (Lines{"Begin DSP_CONF", "    DL_FIR_en=Yes", "    Count=-5",
                                     "    Word=0x7FFF", "End DSP_CONF"}));
  EXPECT_EQ(m.cfg.BeginLine(), 0);
  EXPECT_EQ(m.cfg.EndLine(), 4);
  EXPECT_EQ(m.cfg.CurrentLine(), 4);

  // Other sections and free lines stay; the section is emptied, not merged.
  m.memo[0].Assign({"my tuning", "Begin A", "    x=1", "End A", "Begin DSP_CONF",
                    "    Old=1", "    Older=2", "    Oldest=3", "    Gone=4", "End DSP_CONF",
                    "Begin B", "    y=2", "End B", "trailer"});
  WriteDspConf(m.cfg, false, INT32_MIN);
  EXPECT_EQ(m.memo[0].Data(),
            (Lines{"my tuning", "Begin A", "    x=1", "End A", "Begin DSP_CONF", "    DL_FIR_en=No",
                   "    Count=-2147483648", "    Word=0x7FFF", "End DSP_CONF", "Begin B",
                   "    y=2", "End B", "trailer"}));

  // A new section goes to the end.
  m.cfg.BeginSection("C");
  EXPECT_EQ(m.memo[0].Line(13), "Begin C");
  EXPECT_EQ(m.memo[0].Line(14), "End C");
  EXPECT_EQ(m.memo[0].Count(), 15);
}

TEST(MemoConfig, MarkersAreWholeLinesIgnoringCase) {
  Memos m;
  m.memo[0].Assign({"begin dsp_conf", "    DL_FIR_en=yes", "END Dsp_Conf"});
  EXPECT_EQ(m.Read("DSP_CONF"), (Pairs{{"DL_FIR_en", "yes"}}));
  m.cfg.BeginSection("DSP_CONF");
  m.cfg.WriteBool("DL_FIR_en", false);
  EXPECT_EQ(m.memo[0].Data(), (Lines{"begin dsp_conf", "    DL_FIR_en=No", "END Dsp_Conf"}));

  // Nothing else on the marker line: these are not markers.
  m.memo[0].Assign({"Begin DSP_CONF ", "    a=1", "End  DSP_CONF", "Begin DSP_CONFIG", "End DSP"});
  EXPECT_TRUE(m.Read("DSP_CONF").empty());
  EXPECT_EQ(m.cfg.BeginLine(), -1);
  EXPECT_EQ(m.cfg.EndLine(), -1);
  EXPECT_EQ(m.memo[0].Count(), 5);  // reading creates nothing
}

TEST(MemoConfig, KeyLinesSkipFourCharactersAndSplitAtFirstEquals) {
  Memos m;
  m.memo[0].Assign({"Begin S", "\t   TabKey=1", "  TwoBlanks=2", "    Key=a=b", "    Sp = 5 ",
                    "no equals here", "a=b", "    =empty key", "    Empty=", "End S"});
  EXPECT_EQ(m.Read("S"), (Pairs{{"TabKey", "1"},
                                {"oBlanks", "2"},
                                {"Key", "a=b"},
                                {"Sp ", " 5 "},
                                {"", "no equals here"},
                                {"", "b"},
                                {"", "empty key"},
                                {"Empty", ""}}));
  std::string k = "unchanged", v = "unchanged";
  EXPECT_FALSE(m.cfg.NextKeyValue(k, v));  // stays at the end
  EXPECT_EQ(k + v, "unchangedunchanged");
}

TEST(MemoConfig, ValueConversions) {
  for (const char* t : {"Yes", "yes", "YES", "yEs"}) EXPECT_TRUE(ValueToBool(t)) << t;
  for (const char* t : {"1", "No", "", "Yes ", " Yes", "true", "Y"})
    EXPECT_FALSE(ValueToBool(t)) << t;
  EXPECT_STREQ(BoolToValue(true), "Yes");
  EXPECT_STREQ(BoolToValue(false), "No");

  EXPECT_EQ(ValueToInt("42"), 42);
  EXPECT_EQ(ValueToInt("-18353"), -18353);
  EXPECT_EQ(ValueToInt("+7"), 7);
  EXPECT_EQ(ValueToInt("0x7333"), 0x7333);
  EXPECT_EQ(ValueToInt("0X7fff"), 0x7FFF);
  EXPECT_EQ(ValueToInt("0xFFFFFFFF"), -1);
  EXPECT_EQ(ValueToInt("2147483647"), INT32_MAX);
  EXPECT_EQ(ValueToInt("-2147483648"), INT32_MIN);
  for (const char* t : {"", "abc", " 5", "5 ", "12dB", "0x", "2147483648", "0x100000000", "1.5"})
    EXPECT_EQ(ValueToInt(t), 0) << t;
}

TEST(MemoConfig, MisplacedMissingAndDuplicateMarkers) {
  Memos m;
  // "End " before "Begin ": no pairs; writing inserts after "Begin " and deletes nothing.
  m.memo[0].Assign({"End S", "Begin S", "    k=1", "End S"});
  EXPECT_TRUE(m.Read("S").empty());
  m.cfg.BeginSection("S");
  m.cfg.WriteInt("a", 1);
  m.cfg.WriteInt("b", 2);
  EXPECT_EQ(m.memo[0].Data(),
            (Lines{"End S", "Begin S", "    a=1", "    b=2", "    k=1", "End S"}));

  // "Begin " without "End ": the same.
  m.memo[0].Assign({"Begin S", "    k=1"});
  EXPECT_TRUE(m.Read("S").empty());
  m.cfg.BeginSection("S");
  m.cfg.WriteInt("a", 1);
  EXPECT_EQ(m.memo[0].Data(), (Lines{"Begin S", "    a=1", "    k=1"}));

  // "End " alone: a new "Begin "/"End " pair is appended, the old "End " is the one found first.
  m.memo[0].Assign({"End S"});
  m.cfg.BeginSection("S");
  m.cfg.WriteInt("a", 1);
  EXPECT_EQ(m.memo[0].Data(), (Lines{"End S", "Begin S", "    a=1", "End S"}));

  // Duplicates: the first "Begin " and the first "End " serve both ways.
  m.memo[0].Assign({"Begin S", "    a=1", "End S", "Begin S", "    a=2", "End S"});
  EXPECT_EQ(m.Read("S"), (Pairs{{"a", "1"}}));
  m.cfg.BeginSection("S");
  m.cfg.WriteInt("a", 3);
  EXPECT_EQ(m.memo[0].Data(),
            (Lines{"Begin S", "    a=3", "End S", "Begin S", "    a=2", "End S"}));

  // An empty section gives no pairs.
  m.memo[0].Assign({"Begin S", "End S"});
  EXPECT_TRUE(m.Read("S").empty());
}

TEST(MemoConfig, ActiveMemoIsChosenEachTimeASectionIsOpened) {
  EXPECT_EQ(ChooseMemoIndex(true, false), 0);
  EXPECT_EQ(ChooseMemoIndex(true, true), 0);
  EXPECT_EQ(ChooseMemoIndex(false, true), 1);
  EXPECT_EQ(ChooseMemoIndex(false, false), 2);

  Memos m;
  m.active = ChooseMemoIndex(false, true);  // "Active" of Memo2 checked
  WriteDspConf(m.cfg, true, 1);
  EXPECT_EQ(m.memo[0].Count(), 0);
  EXPECT_EQ(m.memo[1].Count(), 5);
  EXPECT_EQ(m.memo[2].Count(), 0);
  EXPECT_EQ(m.cfg.Memo(), &m.memo[1]);

  // A sequence keeps its memo; the next open follows the buttons.
  m.cfg.BeginSection("X");
  m.active = 2;
  m.cfg.WriteInt("k", 9);
  EXPECT_EQ(m.memo[1].Line(6), "    k=9");
  EXPECT_TRUE(m.Read("DSP_CONF").empty());
  m.active = 1;
  EXPECT_EQ(m.Read("DSP_CONF").size(), 3u);
  EXPECT_EQ(m.cfg.ChooseActiveMemo(), &m.memo[1]);
}

TEST(MemoConfig, WithoutMemosNothingHappens) {
  MemoConfig cfg;
  EXPECT_EQ(cfg.ChooseActiveMemo(), nullptr);
  cfg.BeginSection("S");
  cfg.WriteInt("a", 1);
  cfg.OpenSection("S");
  std::string k, v;
  EXPECT_FALSE(cfg.NextKeyValue(k, v));

  VectorLineStore one;
  int active = 7;  // a chooser out of range counts as no memo
  cfg.Attach(&one, nullptr, nullptr, [&] { return active; });
  cfg.BeginSection("S");
  EXPECT_EQ(one.Count(), 0);
  active = 1;  // a null memo
  cfg.BeginSection("S");
  cfg.WriteBool("b", true);
  EXPECT_EQ(one.Count(), 0);
  active = 0;
  cfg.BeginSection("S");
  cfg.WriteBool("b", true);
  EXPECT_EQ(one.Data(), (Lines{"Begin S", "    b=Yes", "End S"}));
  EXPECT_TRUE(cfg.IsAttached(&one));

  // The memo shrinking under the cursor does not make it write out of range.
  one.Clear();
  cfg.WriteInt("c", 1);
  EXPECT_EQ(one.Count(), 0);
}

}  // namespace
}  // namespace vt
