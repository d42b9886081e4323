// The telephonometry bench the virtual sound card carries, by its physical
// parameters. Wiring: left output -> artificial mouth; left input <- the
// reference microphone, an artificial ear or the handset's electrical
// downlink; right output -> the radio tester's encoder input; right input <-
// its decoder output. In a call the tester's codec feeds the handset's
// downlink, and the handset's uplink feeds the decoder.
//
// Levels: sample units are the card's (32767 = full scale) at full volume;
// "dBfs" is 20*log10(rms/32767); acoustic levels are rms, in dBPa (94 dB SPL
// = 0 dBPa); call levels are in dBm0 (+3.14 dBm0 is a full-scale codec sine).
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "bench/Biquad.h"

namespace vt::bench {

enum class EarType { Type1, Type32LowLeak, Type32HighLeak, Type33 };
constexpr int kEarTypes = 4;

// Where the transducers are: what the left input hears.
enum class Scene {
  None,                 // nothing connected
  RefMikeOnCalibrator,  // the reference microphone in the sound calibrator
  RefMikeAtMouth,       // the reference microphone at the mouth reference point
  CalibratorOnEar,      // the sound calibrator on the artificial ear
  HandsetOnEar,         // the handset on the ear, the mouth at its microphone
  Electrical,           // the handset's electrical downlink output
};

// What the radio tester's codec does.
enum class TesterMode {
  Idle,        // decoder silent
  DecoderCal,  // decoder plays a 1 kHz tone at the decoder calibration level
  EncoderCal,  // encoder input looped to the decoder output
  Call,        // encoder -> handset downlink, handset uplink -> decoder
};

const char* SceneName(Scene s);
const char* EarTypeName(EarType e);  // "1", "32LL", "32HL", "33"
const char* TesterModeName(TesterMode m);
bool ParseScene(const std::string& text, Scene& out);
bool ParseEarType(const std::string& text, EarType& out);
bool ParseTesterMode(const std::string& text, TesterMode& out);

// The calibrator's level as each ear type sees it, dB SPL.
double CalibratorLevelOnEar(EarType e);

struct BenchParams {
  std::string name = "Ideal handset";
  double noiseDbfs = -200;  // white noise at both inputs, dBfs (rms)

  double calibratorDbSpl = 94;  // at the reference microphone, 1 kHz
  double calibratorHz = 1000;

  double refMikeDbfs = -18;  // dBfs for 0 dBPa at full record volume

  double mouthDbPa = 20;             // at the mouth reference point, for a full-scale
                                     // 1 kHz sine at full playback volume
  std::vector<FilterSpec> mouthResponse;  // shape, taken as 0 dB at 1 kHz

  double earDbfs[kEarTypes] = {-14, -14, -14, -14};  // dBfs for 0 dBPa at full record volume

  double encoderDbm0 = 12;       // dBm0 at the encoder for a full-scale sine at full volume
  double decoderDbfs = -8;       // dBfs for 0 dBm0 at the decoder, full record volume
  double decoderCalDbm0 = 3.14;  // the decoder calibration tone
  double encoderCalLoopDb = 0;   // encoder-to-decoder gain of the encoder calibration loop

  // The handset, before its tuning.
  double dlGainDb = 8;           // dBPa at the ear for 0 dBm0 at 1 kHz
  std::vector<FilterSpec> dlResponse;  // shape of the downlink, 0 dB at 1 kHz
  double ulGainDb = -13.5;       // dBm0 for 0 dBPa at the mouth reference point, 1 kHz
  std::vector<FilterSpec> ulResponse;
  double echoLossDb = 40;        // earpiece sound to microphone sound, dB of loss
  double echoDelayMs = 2;
  double dlElectricalDbfs = 0;   // dBfs for 0 dBm0 at the electrical downlink output
  EarType handsetEar = EarType::Type32LowLeak;  // the ear the handset is held to
};

// The handset's tuning as its downlink and uplink processing at 8000 Hz
// (equalisers and digital gains read from the handset at call set-up).
struct HandsetTuning {
  std::vector<double> dlFir{1.0}, ulFir{1.0};  // linear gain folded in
  std::vector<Biquad> dlIir, ulIir;
  double GainDb(bool downlink, double hz) const;
};

}  // namespace vt::bench
