#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <unistd.h>

#include "common/IniFile.h"
#include "common/Numbers.h"

using namespace vt;

TEST(Numbers, TruncGoesTowardZero) {
  EXPECT_EQ(Trunc(2.9L), 2);
  EXPECT_EQ(Trunc(-2.9L), -2);
  EXPECT_EQ(Trunc(0.0L), 0);
}

TEST(Numbers, RoundHalfToZeroTakesExactHalvesTowardZero) {
  EXPECT_EQ(RoundHalfToZero(2.5L), 2);
  EXPECT_EQ(RoundHalfToZero(-2.5L), -2);
  EXPECT_EQ(RoundHalfToZero(2.51L), 3);
  EXPECT_EQ(RoundHalfToZero(-2.51L), -3);
  EXPECT_EQ(RoundHalfToZero(0.49L), 0);
  EXPECT_EQ(RoundHalfToZero(32766.6L), 32767);
}

TEST(Numbers, FloatToStrUsesTheShortestGeneralForm) {
  EXPECT_EQ(FloatToStr(0.1L * 3), "0.3");
  EXPECT_EQ(FloatToStr(0.1 * 3), "0.3");  // double arithmetic too
  EXPECT_EQ(FloatToStr(625.0L), "625");
  EXPECT_EQ(FloatToStr(-12.5L), "-12.5");
  EXPECT_EQ(FloatToStr(0.0L), "0");
  EXPECT_EQ(FloatToStr(-0.0L), "0");
  EXPECT_EQ(FloatToStr(1.0L / 3), "0.333333333333333");
  EXPECT_EQ(FloatToStr(123456789012345.0L), "123456789012345");
  EXPECT_EQ(FloatToStr(1e15L), "1E15");
  EXPECT_EQ(FloatToStr(0.00001L), "0.00001");
  EXPECT_EQ(FloatToStr(1.5e-7L), "1.5E-7");
  EXPECT_EQ(FloatToStr((2 - 200) * 0.1L), "-19.8");
}

TEST(Numbers, StrToIntReadsDecimalAndHexOnly) {
  long long v = 0;
  EXPECT_TRUE(TryStrToInt("4168", v));
  EXPECT_EQ(v, 4168);
  EXPECT_TRUE(TryStrToInt("0x1000", v));
  EXPECT_EQ(v, 4096);
  EXPECT_TRUE(TryStrToInt("0XfFfF", v));
  EXPECT_EQ(v, 65535);
  EXPECT_TRUE(TryStrToInt("-18353", v));
  EXPECT_EQ(v, -18353);
  EXPECT_FALSE(TryStrToInt("", v));
  EXPECT_FALSE(TryStrToInt("0x", v));
  EXPECT_FALSE(TryStrToInt("12 ", v));
  EXPECT_FALSE(TryStrToInt("abc", v));
  EXPECT_EQ(StrToIntDef("x1", 7), 7);
}

TEST(Numbers, TextHelpers) {
  EXPECT_EQ(Trim("  \t0x0010\r\n"), "0x0010");
  EXPECT_EQ(Trim(" \r\n"), "");
  EXPECT_EQ(ExtractFileName("C:\\bench\\room 2.acal"), "room 2.acal");
  EXPECT_EQ(ExtractFileName("/home/eng/bench.acal"), "bench.acal");
  EXPECT_EQ(ExtractFileName("bench.acal"), "bench.acal");
  EXPECT_TRUE(SameText("Begin DSP_CONF", "begin dsp_conf"));
  EXPECT_FALSE(SameText("Begin", "Begin "));
}

namespace {
std::string TempPath(const char* name) {
  return std::string(::testing::TempDir()) + "/vt_" + std::to_string(::getpid()) + "_" + name;
}
std::string Slurp(const std::string& path) {
  std::ifstream f(path, std::ios::binary);
  std::stringstream s;
  s << f.rdbuf();
  return s.str();
}
}  // namespace

TEST(IniFile, ReadsDefaultsFromAMissingFile) {
  IniFile ini(TempPath("missing.ini"));
  EXPECT_FALSE(ini.Loaded());
  EXPECT_EQ(ini.ReadString("VoxTuner", "CalFile", ""), "");
  EXPECT_EQ(ini.ReadInteger("VoxTuner", "Default_Q7xx", 1), 1);
}

TEST(IniFile, WritesKeepOtherSectionsAndComments) {
  auto path = TempPath("host.ini");
  {
    std::ofstream f(path);
    f << "; host settings\n[Host]\nPort=5000\n\n[VoxTuner]\nCalFile=/cal/a.acal\n";
  }
  IniFile ini(path);
  EXPECT_EQ(ini.ReadString("VoxTuner", "CalFile", ""), "/cal/a.acal");
  EXPECT_EQ(ini.ReadInteger("Host", "Port", 0), 5000);
  ASSERT_TRUE(ini.WriteInteger("VoxTuner", "Default_Q7xx", 3));
  std::string text = Slurp(path);
  EXPECT_NE(text.find("; host settings"), std::string::npos);
  EXPECT_NE(text.find("Port"), std::string::npos);
  IniFile again(path);
  EXPECT_EQ(again.ReadInteger("VoxTuner", "Default_Q7xx", 1), 3);
  std::remove(path.c_str());
}

TEST(IniFile, AFailedWriteLeavesTheOldFile) {
  std::string error;
  EXPECT_FALSE(WriteFileAtomically("/nonexistent-dir/x.ini", "data", &error));
  EXPECT_FALSE(error.empty());
  auto path = TempPath("atomic.txt");
  ASSERT_TRUE(WriteFileAtomically(path, "old", &error));
  ASSERT_TRUE(WriteFileAtomically(path, "new text", &error));
  EXPECT_EQ(Slurp(path), "new text");
  std::remove(path.c_str());
}
