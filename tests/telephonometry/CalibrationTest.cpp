// The calibration procedures on the virtual bench (fast mode): what they
// store against the bench's truth, their failures and stops, and the cal file.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <map>

#include "bench/Bench.h"
#include "common/SafeFile.h"
#include "measure/AudioPort.h"
#include "telephonometry/Calibration.h"

namespace vt::telephonometry {
namespace {

using bench::EarType;

// Answers prompts by moving the bench as a user would; records what it is told.
struct BenchUser : BenchUi {
  bench::Bench& bench;
  std::string ear = "32LL";
  std::vector<std::string> messages, report;
  int stopAfterWaits = -1, waits = 0;
  struct Window : filters::FitObserver {
    int fits = 0, cancelAtFit = -1;
    void Started() override { ++fits; }
    bool Cancelled() override { return fits == cancelAtFit; }
  } window;

  explicit BenchUser(bench::Bench& b) : bench(b) {}
  void Do(const std::string& command) {
    std::string out;
    EXPECT_TRUE(bench.Command(command, out)) << command << ": " << out;
  }
  void Message(const std::string& caption, const std::string& text, MessageIcon) override {
    messages.push_back(caption + ": " + text);
  }
  bool Prompt(const std::string& text) override {
    static const std::map<std::string, std::vector<std::string>> kMoves = {
        {"Place ref mike on sound calibrator then press OK", {"scene ref-mike-on-calibrator"}},
        {"Place calibrator on artificial ear and press OK", {"scene calibrator-on-ear"}},
        {"Orignate call and configure CMU200 in \"decoder cal\" then press OK", {"tester decoder-cal"}},
        {"Configure CMU200 in \"Encoder cal\" then press OK", {"tester encoder-cal"}},
        {"Place ref mike on mouth", {"scene ref-mike-at-mouth"}},
        {"Orignate call with phone then press OK", {"scene electrical", "tester call"}}};
    const auto moves = kMoves.find(text);
    if (moves == kMoves.end()) {
      ADD_FAILURE() << "unexpected prompt " << text;
      return false;
    }
    for (const std::string& m : moves->second) Do(m);
    Do("ear " + ear);
    return true;
  }
  void Status(const std::string&) override {}
  void ShowLevel(double) override {}
  bool KeepResponsive() override { return ++waits == stopAfterWaits; }
  filters::FitObserver& FirWindow(const filters::Spectrum&) override { return window; }
  bool Logging() override { return true; }
  void ReportLine(const std::string& text, ReportStyle) override { report.push_back(text); }
};

std::string Slurp(const std::string& path) {
  std::string text;
  ReadWholeFile(path, text, nullptr);
  return text;
}

class Calibration : public ::testing::Test {
 protected:
  bench::Bench bench{false};
  BenchUser user{bench};
  std::string dir = ::testing::TempDir() + "vt_cal_" + std::to_string(::getpid());
  CalFile file{dir + "/bench.acal"};
  MeasurementInterfaces interfaces;

  void SetUp() override {
    std::filesystem::create_directories(dir);
    std::remove(file.Path().c_str());
    Load("realistic.bench");
    measure::SetAudioBackend(bench.Card());
  }
  void TearDown() override {
    measure::SetAudioBackend(nullptr);
    std::filesystem::remove_all(dir);
  }
  void Load(const std::string& name) { user.Do("load " VT_SOURCE_DIR "/benches/" + name); }
  CalData Data(int earCode) {
    CalData d;
    std::string error;
    EXPECT_TRUE(LoadCalData(file, earCode, d, error)) << error;
    return d;
  }
  // Runs a procedure, prints its time, and checks the port is closed after it.
  CalResult Run(CalResult (*procedure)(const CalFile&, const MeasurementInterfaces&, BenchUi&),
                const char* name) {
    const auto start = std::chrono::steady_clock::now();
    CalResult r = procedure(file, interfaces, user);
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    std::printf("%s: %.1f s\n", name, took.count());
    EXPECT_FALSE(measure::PortInputOpen() || measure::PortOutputOpen()) << name;
    return r;
  }
};

TEST_F(Calibration, InputsAndTesterStoreTheBenchTruth) {
  const bench::BenchTruth truth = bench.Truth();
  ASSERT_TRUE(Run(CalRefMike, "Cal Ref mike").Ok());
  interfaces.dl = DlInterface::Type32HighLeak;
  user.ear = "32HL";
  ASSERT_TRUE(Run(CalEar, "Cal Ear").Ok());
  ASSERT_TRUE(Run(CalCmu200, "Cal CMU200").Ok());
  ASSERT_TRUE(Run(CalDlElectricalIf, "Cal DL electrical IF").Ok());

  const CalData hiLeak = Data(3), elec = Data(0);
  double refGain = 0;
  long long refCard = 0;
  std::string error;
  const CalReader reader(file);
  ASSERT_TRUE(reader.Float("ref_mike_cal", "gain", 0, refGain, error));
  ASSERT_TRUE(reader.Integer("ref_mike_cal", "card_gain", 0, refCard, error));
  EXPECT_NEAR(refGain, truth.RefMikeGain(static_cast<int>(refCard)), 0.05);
  // The calibrator reads 84.7 dB SPL on this ear: 9.3 dB added to what is read.
  EXPECT_NEAR(hiLeak.earGain, truth.EarGain(EarType::Type32HighLeak, hiLeak.earCardGain), 0.05);
  EXPECT_NEAR(hiLeak.decoderGain, truth.DecoderGain(hiLeak.decoderCardGain), 0.05);
  EXPECT_NEAR(hiLeak.encoderGain, truth.EncoderGain(hiLeak.encoderCardGain), 0.05);
  EXPECT_NEAR(elec.earGain, truth.DlElectricalGain(elec.earCardGain), 0.05);
  ASSERT_EQ(user.messages.size(), 6u);
  EXPECT_EQ(user.messages[3],
            "Warning: The output capability of sound card is very bad.\r\n"
            "The cal is not stopped but can be wrong.");
  EXPECT_EQ(elec.earFir, std::vector<double>{1.0});
  EXPECT_TRUE(elec.electrical);
}

// The ideal bench's reference microphone set to read exactly 2000 (rms) at
// full volume.
TEST_F(Calibration, RefMikeAtTwoThousandRms) {
  Load("ideal.bench");
  user.Do("set ref_mike.sensitivity_dbfs " + std::to_string(20 * std::log10(2000 / 32767.0)));
  const CalResult r = Run(CalRefMike, "Cal Ref mike");
  ASSERT_TRUE(r.Ok()) << r.message;
  EXPECT_EQ(r.cardGain, 32768);
  EXPECT_NEAR(r.gain, -24.2887, 0.001);
  EXPECT_EQ(user.messages,
            std::vector<std::string>{"Cal result: Sound card in gain=32768, gain=-24.28dBfs for 0dBPa"});
  EXPECT_EQ(user.report,
            (std::vector<std::string>{"Reference mike calibration", "Sound card input gain =32768",
                                      "Electro-acoustic gain =-24.28dBfs for 0dBPa",
                                      "(Considering 94dBSPL from calibrator)"}));
  EXPECT_NE(Slurp(file.Path()).find("[ref_mike_cal]\ngain=-24.28"), std::string::npos);
  EXPECT_NE(Slurp(file.Path()).find("\ncard_gain=32768\n"), std::string::npos);
}

TEST_F(Calibration, FailuresWriteNothing) {
  std::string before = "; kept\r\n[ref_mike_cal]\r\ngain = -90\r\ncard_gain = 20000\r\n";
  ASSERT_TRUE(SaveFile(file.Path(), before, nullptr));
  // The file has the reference microphone 68 dB less sensitive than it is.
  EXPECT_EQ(Run(CalMouth, "mouth too high").message, "Out level is too high, decrease amp gain");
  EXPECT_EQ(Slurp(file.Path()), before);
  before = "[ref_mike_cal]\ngain=-21\ncard_gain=20000\n";
  ASSERT_TRUE(SaveFile(file.Path(), before, nullptr));
  user.Do("set mouth.sensitivity_dbpa -40");
  EXPECT_EQ(Run(CalMouth, "mouth too low").message, "Out level is too low, check amp gain");
  // (The card clips before its record volume: no input reads too high on this bench.)
  user.Do("set ref_mike.sensitivity_dbfs -60");
  EXPECT_EQ(Run(CalRefMike, "too low").message, "In level is too low, verify calibrator or preamp gain");
  interfaces.dl = DlInterface::Electrical;
  EXPECT_EQ(Run(CalEar, "ear on electrical").message,
            "Use Cal DL electrical IF for the electrical interface");
  EXPECT_EQ(Run(CalDlElectricalIf, "electrical without CMU").message, "Calibrate CMU first!");
  EXPECT_EQ(user.messages.size(), 5u);
  EXPECT_EQ(user.messages[0], "Error: Out level is too high, decrease amp gain");
  EXPECT_EQ(Slurp(file.Path()), before);
  // The encoder loop drowned in noise above its target never settles.
  user.Do("set bench.noise_dbfs -8");
  const CalResult r = Run(CalCmu200, "CMU in noise");
  EXPECT_EQ(r.outcome, CalOutcome::Failed);
  EXPECT_EQ(user.messages.back(), "Error: The encoder level did not settle: check the CMU200 configuration");
  EXPECT_EQ(Slurp(file.Path()), before);
}

TEST_F(Calibration, NoCalFileAndStopsWriteNothing) {
  for (auto* procedure : {CalRefMike, CalEar, CalCmu200, CalDlElectricalIf, CalMouth}) {
    EXPECT_EQ(procedure(CalFile(), interfaces, user).message, "Define a cal file first!");
    EXPECT_FALSE(CheckCalibrations(CalFile(), interfaces.dl, user));
  }
  EXPECT_EQ(user.messages.back(), "Error: Define a cal file first!");
  EXPECT_EQ(Run(CalMouth, "mouth before ref mike").message, "Calibrate ref mike first!");
  EXPECT_FALSE(std::filesystem::exists(file.Path()));

  user.stopAfterWaits = 3;
  const CalResult stopped = Run(CalCmu200, "stopped CMU");
  EXPECT_EQ(stopped.outcome, CalOutcome::Cancelled);
  EXPECT_EQ(user.messages.back(), "Error: Stopped by user");
  EXPECT_EQ(user.waits, 3);
  EXPECT_FALSE(std::filesystem::exists(file.Path()));
}

TEST_F(Calibration, CheckCalibrationsAndNumbers) {
  const std::pair<const char*, const char*> cases[] = {
      {"", "Calibrate mouth first!"},
      {"[mouth_cal]\ncard_gain=100\n", "Calibrate CMU first!"},
      {"[mouth_cal]\ncard_gain=100\n[cmu_enc_cal]\ncard_gain=5\n", "Calibrate ear first!"},
      {"[mouth_cal]\ncard_gain=100\n[cmu_enc_cal]\ncard_gain=5\n[ear_cal_33]\ncard_gain=1\n",
       "Calibrate CMU first!"},
      {"[mouth_cal]\ncard_gain=1x\n", "/bench.acal: [mouth_cal] card_gain: \"1x\" is not a number"}};
  for (const auto& [text, message] : cases) {
    ASSERT_TRUE(SaveFile(file.Path(), text, nullptr));
    EXPECT_FALSE(CheckCalibrations(file, DlInterface::Type33, user));
    EXPECT_EQ(user.messages.back(), std::string("Error: ") + (message[0] == '/' ? dir : "") + message);
  }
  ASSERT_TRUE(SaveFile(file.Path(),
                       "[mouth_cal]\ncard_gain=100\n[cmu_enc_cal]\ncard_gain=5\n"
                       "[ear_cal_33]\ncard_gain=1\n[cmu_dec_cal]\ncard_gain=7\ngain=-3.5\n"
                       "[ERP-DRP_33]\nfir_order=2\na0=0.5\na1=abc\n",
                       nullptr));
  EXPECT_TRUE(CheckCalibrations(file, DlInterface::Type33, user));
  CalData d;
  std::string error;
  EXPECT_FALSE(LoadCalData(file, 4, d, error));
  EXPECT_EQ(error, file.Path() + ": [ERP-DRP_33] a1: \"abc\" is not a number");
  ASSERT_TRUE(LoadCalData(file, 1, d, error)) << "type 1 has no ear FIR";
  EXPECT_EQ(d.decoderGain, -3.5);
  EXPECT_EQ(d.decoderCardGain, 7);
}

// A save killed halfway leaves the old file or the new one, whole.
TEST_F(Calibration, KilledWhileWritingLeavesAWholeFile) {
  const std::string old = "[mouth_cal]\n" + std::string(200000, ';') + "\n";
  ASSERT_TRUE(SaveFile(file.Path(), old, nullptr));
  CalWrites first(file), second(file);
  first.Integer("mouth_cal", "card_gain", 1234);
  second.Integer("mouth_cal", "card_gain", 5678);
  std::string error;
  for (int round = 0; round < 20; ++round) {
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      for (;;) {
        first.Commit(error);
        second.Commit(error);
      }
    }
    ::usleep(static_cast<useconds_t>(1000 + round * 700));
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    const std::string now = Slurp(file.Path());
    EXPECT_TRUE(now == old || now == old + "card_gain=1234\n" || now == old + "card_gain=5678\n")
        << now.size();
  }
}

// The mouth flattened at the mouth reference point to -4.7 dBPa +-0.2 dB (the
// realistic bench's mouth is far from flat). The fit gets the ripple of the
// sweep it fits under 0.38 dB; the final sweep reads the mouth again, and at
// the lowest frequencies a reading moves by a few hundredths of a dB with
// where the tone's cycles fall in the analysis buffers: the final ripple lands
// between 0.34 and 0.39 dB here, so the 0.4 dB of the check can be missed by
// that much on a loaded machine.
TEST_F(Calibration, MouthReachesMinusFourPointSevenDbPa) {
  ASSERT_TRUE(Run(CalRefMike, "Cal Ref mike").Ok());
  const CalResult r = Run(CalMouth, "Cal mouth");
  ASSERT_TRUE(r.Ok()) << r.message;
  EXPECT_NEAR((r.maxLevel + r.minLevel) / 2, -4.7, 0.2);
  EXPECT_LE(r.maxLevel - r.minLevel, 0.45);
  EXPECT_EQ(r.withinLimits, r.maxLevel - r.minLevel <= 0.4);
  EXPECT_EQ(r.message.rfind(r.withinLimits ? "Calibration success" : "Can't get -4.7dBPa +/-0.2dB", 0), 0u)
      << r.message;
  const CalData d = Data(2);
  EXPECT_NEAR(20 * std::log10(d.mouthRefLevel / bench.Truth().MouthRefLevel(d.mouthCardGain)), 0, 0.05);
  ASSERT_EQ(d.mouthFir.size(), r.fir.size());
  for (size_t i = 0; i < r.fir.size(); ++i) EXPECT_NEAR(d.mouthFir[i], r.fir[i], 1e-14) << i;
  EXPECT_EQ(user.report[7], "Corrected with sym FIR order: " + std::to_string(r.fir.size()));
  EXPECT_EQ(user.report.size(), 4 + 5 + r.fir.size());

  // Closing the FIR calculation window stops the next calibration; nothing written.
  const std::string before = Slurp(file.Path());
  user.window.cancelAtFit = user.window.fits + 1;
  EXPECT_EQ(Run(CalMouth, "Cal mouth, window closed").outcome, CalOutcome::Cancelled);
  EXPECT_EQ(user.messages.back(), "Error: Stopped by user");
  EXPECT_EQ(Slurp(file.Path()), before);
}

}  // namespace
}  // namespace vt::telephonometry
