#include "bench/Truth.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>

#include "bench/Resampler.h"

namespace vt::bench {

// ITU-T P.79, Table 1: receive and send weights, dB, for 200 .. 4000 Hz.
const std::array<double, kLoudnessBands> kReceiveWeights = {
    85.0, 74.7, 79.0, 63.7, 73.5, 69.1, 68.0, 68.7, 75.1, 70.4, 81.4, 76.5, 93.3, 113.8};
const std::array<double, kLoudnessBands> kSendWeights = {
    76.9, 62.6, 62.0, 44.7, 53.1, 48.5, 47.6, 50.1, 59.1, 56.7, 72.2, 72.6, 89.2, 117.0};

namespace {
constexpr double kM = 0.175;
constexpr double kBandShiftDb = 2.2184875;  // the method's per-band term
constexpr double kSumShiftDb = 0.3;         // the method's term inside the sum
constexpr double kCardRate = 48000;
const double kPeakToRmsDb = 20 * std::log10(std::numbers::sqrt2);

double Lr(const std::array<double, kLoudnessBands>& s, const std::array<double, kLoudnessBands>& w,
          int bands, double shift) {
  double sum = 0;
  for (int i = 0; i < bands; ++i) sum += std::pow(10.0, kM * (s[i] - w[i] + shift) / 10);
  return -10 / kM * std::log10(sum);
}

// Trapezoidal mean of the band losses from 315 Hz (band 2) to 3150 Hz (band 12).
double Tcl(const std::array<double, kLoudnessBands>& x) {
  double sum = 0;
  for (int i = 2; i <= 12; ++i) sum += (i == 2 || i == 12 ? 0.5 : 1.0) * std::pow(10.0, x[i] / 10);
  return -10 * std::log10(0.1 * sum);
}
}  // namespace

double LoudnessBandHz(int band) { return 1000 * std::pow(2.0, (band - 7) / 3.0); }

double MixerGain(int volume) {
  const int v = std::clamp(volume, 0, 32767);
  return std::floor(v * (65535.0 / 32767)) / 65535;
}

double BenchTruth::RefMikeGain(int v) const { return params.refMikeDbfs + 20 * std::log10(MixerGain(v)); }
double BenchTruth::EarGain(EarType ear, int v) const {
  return params.earDbfs[static_cast<int>(ear)] + 20 * std::log10(MixerGain(v));
}
double BenchTruth::DecoderGain(int v) const { return params.decoderDbfs + 20 * std::log10(MixerGain(v)); }
// The amplitude (peak, 32767 = 0 dBfs) that puts 0 dBm0 into the encoder,
// as the encoder calibration finds it through its loop.
double BenchTruth::EncoderGain(int v) const {
  return -params.encoderDbm0 - params.encoderCalLoopDb - 20 * std::log10(MixerGain(v));
}
double BenchTruth::DlElectricalGain(int v) const {
  return params.dlElectricalDbfs + tuning.GainDb(true, 1000) + 2 * ConversionGainDb(1000) -
         EncoderReadingOffset() +
         20 * std::log10(MixerGain(v));
}
double BenchTruth::MouthRefLevel(int v) const {
  return 32767 * std::pow(10.0, (-4.7 - params.mouthDbPa) / 20) / MixerGain(v);
}
double BenchTruth::MouthResponseDb(double hz) const {
  return MakeCascade(params.mouthResponse, kCardRate, 1000).GainDb(hz, kCardRate);
}

double BenchTruth::ReceiveDb(double hz) const {
  return params.dlGainDb + MakeCascade(params.dlResponse, kCardRate, 1000).GainDb(hz, kCardRate) +
         tuning.GainDb(true, hz) + 2 * ConversionGainDb(hz);
}
double BenchTruth::SendDb(double hz) const {
  return params.ulGainDb + MakeCascade(params.ulResponse, kCardRate, 1000).GainDb(hz, kCardRate) +
         tuning.GainDb(false, hz) + 2 * ConversionGainDb(hz);
}
double BenchTruth::EchoDb(double hz) const { return ReceiveDb(hz) - params.echoLossDb + SendDb(hz); }

double BenchTruth::BandDb(double (BenchTruth::*at)(double) const, int band) const {
  constexpr int kPoints = 48;
  const double lo = LoudnessBandHz(band) * std::pow(2.0, -1.0 / 6);
  double sum = 0;
  for (int k = 0; k < kPoints; ++k)
    sum += std::pow(10.0, (this->*at)(lo * std::pow(2.0, (k + 0.5) / (3.0 * kPoints))) / 10);
  return 10 * std::log10(sum / kPoints);
}

double BenchTruth::EncoderReadingOffset() const { return params.encoderCalLoopDb - kPeakToRmsDb; }
double BenchTruth::MouthReadingOffset() { return -kPeakToRmsDb; }

namespace {
std::array<double, kLoudnessBands> Bands(const BenchTruth& t, double (BenchTruth::*at)(double) const,
                                         double shift) {
  std::array<double, kLoudnessBands> s{};
  for (int i = 0; i < kLoudnessBands; ++i) s[static_cast<size_t>(i)] = t.BandDb(at, i) + shift;
  return s;
}
}  // namespace

double BenchTruth::RlrP79() const { return Lr(Bands(*this, &BenchTruth::ReceiveDb, 0), kReceiveWeights, 14, 0); }
double BenchTruth::SlrP79() const { return Lr(Bands(*this, &BenchTruth::SendDb, 0), kSendWeights, 14, 0); }
double BenchTruth::TclwPhysical() const { return Tcl(Bands(*this, &BenchTruth::EchoDb, 0)); }
double BenchTruth::Rlr() const {
  const double shift = -EncoderReadingOffset() - kBandShiftDb;
  return Lr(Bands(*this, &BenchTruth::ReceiveDb, shift), kReceiveWeights, 13, kSumShiftDb);
}
double BenchTruth::Slr() const {
  const double shift = -MouthReadingOffset() - kBandShiftDb;
  return Lr(Bands(*this, &BenchTruth::SendDb, shift), kSendWeights, 13, kSumShiftDb);
}
double BenchTruth::Tclw() const {
  return Tcl(Bands(*this, &BenchTruth::EchoDb, -EncoderReadingOffset()));
}

std::string TruthReport(const BenchTruth& t) {
  char line[200];
  std::string s = "Bench: " + t.params.name + "\n";
  auto row = [&](const std::string& name, double value, const char* unit) {
    std::snprintf(line, sizeof line, "  %-20s %9.3f %s\n", name.c_str(), value, unit);
    s += line;
  };
  s += "Calibrations (at full card volume; add 20*log10(volume/32767) dB for another):\n";
  row("ref_mike_cal gain", t.RefMikeGain(32767), "dBfs for 0dBPa");
  for (int e = 0; e < kEarTypes; ++e) {
    const auto ear = static_cast<EarType>(e);
    row(std::string("ear_cal_") + EarTypeName(ear) + " gain", t.EarGain(ear, 32767), "dBfs for 0dBPa");
  }
  row("ear_cal_elec gain", t.DlElectricalGain(32767), "dBm0 for 0dBm0");
  row("cmu_dec_cal gain", t.DecoderGain(32767), "dBfs for 0dBm0");
  row("cmu_enc_cal gain", t.EncoderGain(32767), "dBfs for 0dBm0");
  row("mouth_cal ref_level", t.MouthRefLevel(32767), "(generator amplitude)");
  s += "  mouth response, dB re 1 kHz:";
  for (double hz : {100.0, 200.0, 500.0, 2000.0, 4000.0}) {
    std::snprintf(line, sizeof line, " %g Hz %.2f%s", hz, t.MouthResponseDb(hz), hz < 4000 ? ";" : "\n");
    s += line;
  }
  s += "Ratings                   method   ITU-T P.79 (TCLw: physical)\n";
  auto rating = [&](const char* name, double method, double reference) {
    std::snprintf(line, sizeof line, "  %-20s %6.2f dB  %6.2f dB\n", name, method, reference);
    s += line;
  };
  rating("RLR", t.Rlr(), t.RlrP79());
  rating("SLR", t.Slr(), t.SlrP79());
  rating("TCLw", t.Tclw(), t.TclwPhysical());
  return s;
}

}  // namespace vt::bench
