// "Import ear data": the points and the FIR stored, the FIR really flattening
// the ear's response, and files that cannot be used.

#include <gmock/gmock.h>
#include <unistd.h>

#include <cmath>
#include <complex>
#include <fstream>

#include "common/IniFile.h"
#include "common/SafeFile.h"
#include "telephonometry/EarImport.h"

namespace vt::telephonometry {
namespace {

struct User : BenchUi {
  std::vector<std::string> messages, report;
  filters::FitObserver window;
  void Message(const std::string& caption, const std::string& text, MessageIcon) override {
    messages.push_back(caption + ": " + text);
  }
  bool Prompt(const std::string&) override { return true; }
  void Status(const std::string&) override {}
  void ShowLevel(double) override {}
  bool KeepResponsive() override { return false; }
  filters::FitObserver& FirWindow(const filters::Spectrum&) override { return window; }
  bool Logging() override { return true; }
  void ReportLine(const std::string& text, ReportStyle) override { report.push_back(text); }
};

struct EarImport : ::testing::Test {
  std::string cal = ::testing::TempDir() + std::to_string(::getpid()) + "ear.acal", ada = cal + ".ada";
  User user;
  EarImportResult Import(const std::string& text) {
    std::ofstream(ada) << text;
    return ImportEarData(CalFile(cal), {DlInterface::Type33, UlInterface::ArtificialMouth},
                         [&](const std::string& name) { return name == "erp-drp.ada" ? ada : ""; }, user);
  }
};

TEST_F(EarImport, StoresPointsAndAFirThatFlattensThem) {
  const auto r = Import("ERP-DRP v1.0, 6 points\n100 0.0\n500 0.5\n1000 1.0\n2000 -1.5\n3000 -1.0\n4000 -1\n");
  ASSERT_TRUE(r.Ok()) << r.message;
  IniFile ini(cal);
  EXPECT_EQ(ini.ReadInteger("ERP-DRP_33", "point_count", 0), 6);
  EXPECT_EQ(ini.ReadString("ERP-DRP_33", "f3", "") + " " + ini.ReadString("ERP-DRP_33", "l3", ""), "2000 -1.5");
  const long long n = ini.ReadInteger("ERP-DRP_33", "fir_order", 0);
  ASSERT_TRUE(n >= 7 && n % 2 == 1 && size_t(n) == r.fir.size()) << n;
  EXPECT_EQ(user.report[1], "Corrected with sym FIR order: " + std::to_string(n));

  // The corrected response (interpolated points + the stored FIR), by hand.
  const double f[] = {100, 500, 1000, 2000, 3000, 4000}, l[] = {0, 0.5, 1, -1.5, -1, -1};
  double lo = 1e9, hi = -1e9;
  for (double hz = 100; hz <= 4000; hz += 10) {
    std::complex<double> h = 0;
    for (long long k = 0; k < n; ++k)
      h += double(ini.ReadFloat("ERP-DRP_33", "a" + std::to_string(k), 0)) * std::polar(1.0, -2 * M_PI * hz / 8000 * k);
    int i = 0;
    while (f[i + 1] < hz) ++i;
    const double y = l[i] + (l[i + 1] - l[i]) * (hz - f[i]) / (f[i + 1] - f[i]) + 20 * std::log10(std::abs(h));
    lo = std::min(lo, y);
    hi = std::max(hi, y);
    if (hz == 1000) { EXPECT_NEAR(y, 0, 0.05); }
  }
  EXPECT_LE(double(r.ripple), 0.4);
  EXPECT_NEAR(hi - lo, double(r.ripple), 0.03);
}

TEST_F(EarImport, UnusableFilesWriteNothing) {
  std::ofstream(cal) << "[ref_mike_cal]\ngain=-24.3\n";
  const std::pair<const char*, const char*> files[] = {
      {"Only 1000 -3.2 here", "holds 1 frequency/level point(s): at least two are needed"},
      {"1000 0\n3000 1\n2000 2\n", "frequencies must rise: 2000 Hz comes after 3000 Hz"}};
  for (const auto& [text, why] : files) {
    user.messages.clear();
    EXPECT_FALSE(Import(text).Ok());
    std::string bytes;
    EXPECT_TRUE(ReadWholeFile(cal, bytes, nullptr) && bytes == "[ref_mike_cal]\ngain=-24.3\n") << bytes;
    EXPECT_THAT(user.messages, ::testing::ElementsAre(::testing::AllOf(::testing::StartsWith("Error: " + ada),
                                                                       ::testing::EndsWith(why))));
  }
}

}  // namespace
}  // namespace vt::telephonometry
