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

TEST(MemoConfig, WritesASectionIntoAnEmptyMemo) {
  Memos m;
  m.cfg.BeginSection("DSP_CONF");
  m.cfg.WriteBool("DL_FIR_en", true);
  m.cfg.WriteBool("UL_FIR_en", false);
  m.cfg.WriteInt("Count", INT32_MIN);
  m.cfg.WriteText("Word", "0x7FFF");
  EXPECT_EQ(m.memo[0].Data(), (Lines{"Begin DSP_CONF", "    DL_FIR_en=Yes", "    UL_FIR_en=No",
                                     "    Count=-2147483648", "    Word=0x7FFF", "End DSP_CONF"}));
}

// Each case: the memo, what reading section "Sec" gives, and the memo after
// writing the given keys into "Sec" (unchanged when `after` is empty).
TEST(MemoConfig, SectionsFoundReadAndRewritten) {
  const struct {
    const char* what;
    Lines memo;
    Pairs read;
    Pairs writes;
    Lines after;
  } cases[] = {
      {"other sections and free lines stay; the section is emptied, not merged",
       {"my tuning", "Begin Sec", "    Old=1", "    Gone=4", "End Sec", "Begin B", "    y=2", "End B"},
       {{"Old", "1"}, {"Gone", "4"}}, {{"a", "1"}},
       {"my tuning", "Begin Sec", "    a=1", "End Sec", "Begin B", "    y=2", "End B"}},
      {"markers are whole lines ignoring case", {"begin sec", "    DL_FIR_en=yes", "END SEC"},
       {{"DL_FIR_en", "yes"}}, {{"DL_FIR_en", "No"}}, {"begin sec", "    DL_FIR_en=No", "END SEC"}},
      {"nothing else on a marker line", {"Begin Sec ", "    a=1", "End  Sec", "Begin SecX"}, {}, {}, {}},
      {"End before Begin: nothing read, written after Begin, nothing deleted",
       {"End Sec", "Begin Sec", "    k=1", "End Sec"}, {}, {{"a", "1"}, {"b", "2"}},
       {"End Sec", "Begin Sec", "    a=1", "    b=2", "    k=1", "End Sec"}},
      {"duplicates: the first Begin and the first End serve both ways",
       {"Begin Sec", "    a=1", "End Sec", "Begin Sec", "    a=2", "End Sec"}, {{"a", "1"}},
       {{"a", "3"}}, {"Begin Sec", "    a=3", "End Sec", "Begin Sec", "    a=2", "End Sec"}},
      {"key lines skip four characters and split at the first equals sign",
       {"Begin Sec", "\t   TabKey=1", "  TwoBlanks=2", "    Key=a=b", "    Sp = 5 ", "no equals here",
        "    Empty=", "End Sec"},
       {{"TabKey", "1"}, {"oBlanks", "2"}, {"Key", "a=b"}, {"Sp ", " 5 "}, {"", "no equals here"},
        {"Empty", ""}}, {}, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Memos m;
    m.memo[0].Assign(c.memo);
    EXPECT_EQ(m.Read("Sec"), c.read);
    if (!c.writes.empty()) m.cfg.BeginSection("Sec");  // else: reading created nothing
    for (const auto& [key, value] : c.writes) m.cfg.WriteText(key, value);
    EXPECT_EQ(m.memo[0].Data(), c.after.empty() ? c.memo : c.after);
  }
}

TEST(MemoConfig, ValueConversions) {
  EXPECT_TRUE(ValueToBool("yEs"));
  for (const char* t : {"1", "Yes ", "true"}) EXPECT_FALSE(ValueToBool(t)) << t;
  const std::pair<const char*, int32_t> ints[] = {
      {"-18353", -18353}, {"0X7fff", 0x7FFF}, {"0xFFFFFFFF", -1}, {"-2147483648", INT32_MIN},
      // Not numbers, or out of range: 0.
      {" 5", 0}, {"12dB", 0}, {"2147483648", 0}, {"0x100000000", 0}};
  for (const auto& [text, value] : ints) EXPECT_EQ(ValueToInt(text), value) << text;
}

TEST(MemoConfig, ActiveMemoIsChosenEachTimeASectionIsOpened) {
  Memos m;
  m.active = 1;
  m.cfg.BeginSection("DSP_CONF");
  m.cfg.WriteInt("j", 1);
  // A sequence keeps its memo; the next open follows the buttons.
  m.active = 2;
  m.cfg.WriteInt("k", 9);
  EXPECT_EQ(m.memo[1].Data(), (Lines{"Begin DSP_CONF", "    j=1", "    k=9", "End DSP_CONF"}));
  EXPECT_EQ(m.memo[0].Count() + m.memo[2].Count(), 0);
  EXPECT_TRUE(m.Read("DSP_CONF").empty());
}

TEST(MemoConfig, AbsentMemosAndAShrunkMemoAreNotWritten) {
  VectorLineStore one;
  int active = 7;  // a chooser out of range counts as no memo
  MemoConfig cfg;
  cfg.Attach(&one, nullptr, nullptr, [&] { return active; });
  for (int chosen : {7, 1, 0}) {  // out of range, a null memo, the memo
    active = chosen;
    cfg.BeginSection("S");
    cfg.WriteBool("b", true);
    EXPECT_EQ(one.Count(), chosen == 0 ? 3 : 0) << chosen;
  }
  one.Clear();  // the cursor must not write out of range
  cfg.WriteInt("c", 1);
  EXPECT_EQ(one.Count(), 0);
}

}  // namespace
}  // namespace vt
