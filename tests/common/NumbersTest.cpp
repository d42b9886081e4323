#include <gtest/gtest.h>

#include "common/IniFile.h"
#include "common/Numbers.h"
#include "tests/support/Files.h"

using namespace vt;
using vt::testing::ReadBytes;
using vt::testing::TempDir;
using vt::testing::WriteBytes;

TEST(Numbers, TruncAndRoundHalfToZeroGoTowardZero) {
  EXPECT_EQ(Trunc(-2.9L), -2);
  EXPECT_EQ(RoundHalfToZero(2.5L), 2);
  EXPECT_EQ(RoundHalfToZero(-2.5L), -2);
  EXPECT_EQ(RoundHalfToZero(-2.51L), -3);
}

TEST(Numbers, FloatToStrUsesTheShortestGeneralForm) {
  EXPECT_EQ(FloatToStr(0.1 * 3), "0.3");  // double arithmetic too
  EXPECT_EQ(FloatToStr(-0.0L), "0");
  EXPECT_EQ(FloatToStr(1.0L / 3), "0.333333333333333");
  EXPECT_EQ(FloatToStr(123456789012345.0L), "123456789012345");
  EXPECT_EQ(FloatToStr(1e15L), "1E15");
  EXPECT_EQ(FloatToStr(0.00001L), "0.00001");
  EXPECT_EQ(FloatToStr(1.5e-7L), "1.5E-7");
}

TEST(Numbers, StrToIntReadsDecimalAndHexOnly) {
  long long v = 0;
  EXPECT_TRUE(TryStrToInt("0XfFfF", v));
  EXPECT_EQ(v, 65535);
  EXPECT_TRUE(TryStrToInt("-18353", v));
  EXPECT_EQ(v, -18353);
  for (const char* bad : {"", "0x", "12 ", "abc"}) EXPECT_FALSE(TryStrToInt(bad, v)) << bad;
  EXPECT_EQ(StrToIntDef("x1", 7), 7);
}

TEST(Numbers, TextHelpers) {
  EXPECT_EQ(Trim("  \t0x0010\r\n"), "0x0010");
  EXPECT_EQ(ExtractFileName("C:\\bench\\room 2.acal"), "room 2.acal");
  EXPECT_EQ(ExtractFileName("/home/eng/bench.acal"), "bench.acal");
  EXPECT_TRUE(SameText("Begin DSP_CONF", "begin dsp_conf"));
  EXPECT_FALSE(SameText("Begin", "Begin "));
}

TEST(IniFile, ReadsDefaultsFromAMissingFile) {
  TempDir dir;
  IniFile ini(dir.File("missing.ini"));
  EXPECT_FALSE(ini.Loaded());
  EXPECT_EQ(ini.ReadString("VoxTuner", "CalFile", ""), "");
  EXPECT_EQ(ini.ReadInteger("VoxTuner", "Default_Q7xx", 1), 1);
}

TEST(IniFile, AWriteChangesOnlyTheValueItSets) {
  TempDir dir;
  const std::string path = dir.File("host.ini");
  const struct {
    std::string before, section, key, value, after;
  } cases[] = {
      // The value is replaced where it stands; spacing, comments, CR LF stay.
      {"; host\r\n[Host]\r\nPort=5000\r\n\r\n[VoxTuner]\r\nDefault_Q7xx = 1 \r\nCalFile=a\r\n",
       "VoxTuner", "Default_Q7xx", "3",
       "; host\r\n[Host]\r\nPort=5000\r\n\r\n[VoxTuner]\r\nDefault_Q7xx = 3 \r\nCalFile=a\r\n"},
      // A new key goes after the section's last line, as k=v, before blank lines.
      {"[voxtuner]\nCalFile=a\n\n[Host]\nPort=1\n", "VoxTuner", "Default_Q7xx", "3",
       "[voxtuner]\nCalFile=a\nDefault_Q7xx=3\n\n[Host]\nPort=1\n"},
      // A new section goes at the end.
      {"[Host]\nPort=1", "VoxTuner", "Default_Q7xx", "3", "[Host]\nPort=1\n[VoxTuner]\nDefault_Q7xx=3\n"},
      {"", "VoxTuner", "CalFile", "/c/x.acal", "[VoxTuner]\nCalFile=/c/x.acal\n"},
  };
  for (const auto& c : cases) {
    WriteBytes(path, c.before);
    IniFile ini(path);
    ASSERT_TRUE(ini.WriteString(c.section, c.key, c.value)) << ini.LastError();
    EXPECT_EQ(ReadBytes(path), c.after) << c.before;
    EXPECT_EQ(IniFile(path).ReadString(c.section, c.key, ""), c.value);
    EXPECT_EQ(ini.ReadString(c.section, c.key, ""), c.value);
  }
}

// A cut-short save is the safe save's, checked with the memo files.
TEST(IniFile, AFailedWriteIsReported) {
  // A folder that is a regular file fails for root too.
  TempDir dir;
  WriteBytes(dir.File("blocker"), "x");
  IniFile under(dir.File("blocker/host.ini"));
  EXPECT_FALSE(under.WriteInteger("VoxTuner", "Default_Q7xx", 3));
  EXPECT_NE(under.LastError().find("cannot write"), std::string::npos) << under.LastError();
}
