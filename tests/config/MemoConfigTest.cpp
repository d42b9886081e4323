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
  m.cfg.BeginSection("C");  // a new section goes to the end
  EXPECT_EQ(m.memo[0].Data(),
            (Lines{"my tuning", "Begin A", "    x=1", "End A", "Begin DSP_CONF", "    DL_FIR_en=No",
                   "    Count=-2147483648", "    Word=0x7FFF", "End DSP_CONF", "Begin B",
                   "    y=2", "End B", "trailer", "Begin C", "End C"}));
}

// Each case: the memo, what reading section "Sec" gives, and the memo after
// writing the given keys into "Sec".
TEST(MemoConfig, SectionsFoundReadAndRewritten) {
  const struct {
    const char* what;
    Lines memo;
    Pairs read;
    Pairs writes;
    Lines after;
  } cases[] = {
      {"markers are whole lines ignoring case", {"begin sec", "    DL_FIR_en=yes", "END SEC"},
       {{"DL_FIR_en", "yes"}}, {{"DL_FIR_en", "No"}}, {"begin sec", "    DL_FIR_en=No", "END SEC"}},
      {"nothing else on a marker line",
       {"Begin Sec ", "    a=1", "End  Sec", "Begin SecX", "End Se"}, {}, {},
       {"Begin Sec ", "    a=1", "End  Sec", "Begin SecX", "End Se"}},
      {"End before Begin: nothing read, written after Begin, nothing deleted",
       {"End Sec", "Begin Sec", "    k=1", "End Sec"}, {}, {{"a", "1"}, {"b", "2"}},
       {"End Sec", "Begin Sec", "    a=1", "    b=2", "    k=1", "End Sec"}},
      {"Begin without End: the same", {"Begin Sec", "    k=1"}, {}, {{"a", "1"}},
       {"Begin Sec", "    a=1", "    k=1"}},
      {"End alone: a new pair appended", {"End Sec"}, {}, {{"a", "1"}},
       {"End Sec", "Begin Sec", "    a=1", "End Sec"}},
      {"duplicates: the first Begin and the first End serve both ways",
       {"Begin Sec", "    a=1", "End Sec", "Begin Sec", "    a=2", "End Sec"}, {{"a", "1"}},
       {{"a", "3"}}, {"Begin Sec", "    a=3", "End Sec", "Begin Sec", "    a=2", "End Sec"}},
      {"an empty section", {"Begin Sec", "End Sec"}, {}, {}, {"Begin Sec", "End Sec"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Memos m;
    m.memo[0].Assign(c.memo);
    EXPECT_EQ(m.Read("Sec"), c.read);
    if (c.writes.empty()) {
      EXPECT_EQ(m.memo[0].Data(), c.after);  // reading creates nothing
      continue;
    }
    m.cfg.BeginSection("Sec");
    for (const auto& [key, value] : c.writes) m.cfg.WriteText(key, value);
    EXPECT_EQ(m.memo[0].Data(), c.after);
  }
  Memos m;
  m.memo[0].Assign(cases[1].memo);  // no markers: no section lines
  m.Read("Sec");
  EXPECT_EQ(m.cfg.BeginLine(), -1);
  EXPECT_EQ(m.cfg.EndLine(), -1);
}

TEST(MemoConfig, KeyLinesSkipFourCharactersAndSplitAtFirstEquals) {
  Memos m;
  m.memo[0].Assign({"Begin S", "\t   TabKey=1", "  TwoBlanks=2", "    Key=a=b", "    Sp = 5 ",
                    "no equals here", "a=b", "    =empty key", "    Empty=", "End S"});
  EXPECT_EQ(m.Read("S"), (Pairs{{"TabKey", "1"}, {"oBlanks", "2"}, {"Key", "a=b"},
                                {"Sp ", " 5 "}, {"", "no equals here"}, {"", "b"},
                                {"", "empty key"}, {"Empty", ""}}));
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

  const std::pair<const char*, int32_t> ints[] = {
      {"42", 42}, {"-18353", -18353}, {"+7", 7}, {"0x7333", 0x7333}, {"0X7fff", 0x7FFF},
      {"0xFFFFFFFF", -1}, {"2147483647", INT32_MAX}, {"-2147483648", INT32_MIN},
      // Not numbers, or out of range: 0.
      {"", 0}, {"abc", 0}, {" 5", 0}, {"5 ", 0}, {"12dB", 0}, {"0x", 0}, {"2147483648", 0},
      {"0x100000000", 0}, {"1.5", 0}};
  for (const auto& [text, value] : ints) EXPECT_EQ(ValueToInt(text), value) << text;
}

TEST(MemoConfig, ActiveMemoIsChosenEachTimeASectionIsOpened) {
  EXPECT_EQ(ChooseMemoIndex(true, false), 0);
  EXPECT_EQ(ChooseMemoIndex(true, true), 0);
  EXPECT_EQ(ChooseMemoIndex(false, true), 1);
  EXPECT_EQ(ChooseMemoIndex(false, false), 2);

  Memos m;
  m.active = ChooseMemoIndex(false, true);  // "Active" of Memo2 checked
  WriteDspConf(m.cfg, true, 1);
  EXPECT_EQ(m.memo[0].Count() + m.memo[2].Count(), 0);
  EXPECT_EQ(m.memo[1].Count(), 5);
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
  for (int chosen : {7, 1, 0}) {  // out of range, a null memo, the memo
    active = chosen;
    cfg.BeginSection("S");
    cfg.WriteBool("b", true);
    EXPECT_EQ(one.Count(), chosen == 0 ? 3 : 0) << chosen;
  }
  EXPECT_EQ(one.Data(), (Lines{"Begin S", "    b=Yes", "End S"}));
  EXPECT_TRUE(cfg.IsAttached(&one));

  // The memo shrinking under the cursor does not make it write out of range.
  one.Clear();
  cfg.WriteInt("c", 1);
  EXPECT_EQ(one.Count(), 0);
}

}  // namespace
}  // namespace vt
