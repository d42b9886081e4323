// What a perfect calibration and measurement must find on a bench, worked
// out from the model's own parameters (not by running the measurement code).
// The call's sensitivities include its 8000 Hz codec band (two conversions
// each way, see Resampler.h).
//
// Loudness ratings come twice: by ITU-T P.79 (14 third-octave bands, 200 to
// 4000 Hz, m = 0.175, 0 dBm0 taken as the 0 dB point of the digital
// interface), and as the tuning tool's method reads them. The method differs
// on purpose and knowingly: it refers the mouth and the encoder to the peak of
// their 1 kHz calibration tones while it reads stimuli by their rms (3.01 dB),
// subtracts 2.2184875 dB from each band, adds 0.3 dB inside the sum, and has no
// 4000 Hz band. The weighted terminal coupling loss is the trapezoidal mean of
// the band losses from 315 to 3150 Hz; the method's reading differs by the
// encoder's reference.
#pragma once

#include <array>
#include <string>

#include "bench/BenchModel.h"

namespace vt::bench {

constexpr int kLoudnessBands = 14;  // 200 .. 4000 Hz
extern const std::array<double, kLoudnessBands> kReceiveWeights, kSendWeights;
double LoudnessBandHz(int band);  // exact centre, 1000 * 2^((band - 7) / 3)

// Linear gain of the virtual mixer at a port volume (0..32767).
double MixerGain(int volume);

struct BenchTruth {
  BenchParams params;
  HandsetTuning tuning;

  // Calibration results at the card volumes the procedure ends with.
  double RefMikeGain(int recordVolume) const;           // dBfs for 0 dBPa
  double EarGain(EarType ear, int recordVolume) const;  // dBfs for 0 dBPa
  double DecoderGain(int recordVolume) const;           // dBfs for 0 dBm0
  double EncoderGain(int playbackVolume) const;         // dBfs for 0 dBm0
  double DlElectricalGain(int recordVolume) const;      // "dBm0 for 0dBm0"
  double MouthRefLevel(int playbackVolume) const;       // generator amplitude for -4.7 dBPa at 1 kHz
  double MouthResponseDb(double hz) const;              // at the mouth reference point, 0 dB at 1 kHz

  // Sensitivities at one frequency: receive dBPa/dBm0, send dBm0/dBPa, echo dBm0/dBm0.
  double ReceiveDb(double hz) const;
  double SendDb(double hz) const;
  double EchoDb(double hz) const;
  // Power mean over third-octave band `band` (0 = 200 Hz).
  double BandDb(double (BenchTruth::*at)(double) const, int band) const;

  double RlrP79() const;
  double SlrP79() const;
  double TclwPhysical() const;
  double Rlr() const;   // as the method reads it
  double Slr() const;
  double Tclw() const;

  // The encoder and mouth levels the method reads, minus the true ones, dB.
  double EncoderReadingOffset() const;
  static double MouthReadingOffset();
};

// A printable summary: every calibration at the volumes a procedure starts
// with and the ratings, for `voxbench` and the Virtual bench window.
std::string TruthReport(const BenchTruth& truth);

}  // namespace vt::bench
