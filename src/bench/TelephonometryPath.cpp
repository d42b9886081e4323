#include "bench/TelephonometryPath.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace vt::bench {

namespace {
constexpr double kCallRate = 8000;
constexpr double kFullScale = 32767;
const double kSqrt2 = std::numbers::sqrt2;
// The codec's largest value: the peak of a +3.14 dBm0 sine (dBm0 units, rms 1 = 0 dBm0).
const double kCodecPeak = kSqrt2 * std::pow(10.0, 3.14 / 20);

double Db(double db) { return std::pow(10.0, db / 20); }
double Clip(double x) { return std::clamp(x, -kCodecPeak, kCodecPeak); }
double Pop(std::deque<double>& q) {
  if (q.empty()) return 0;
  const double v = q.front();
  q.pop_front();
  return v;
}
}  // namespace

double TelephonometryPath::Fir::Run(double x) {
  if (taps.size() == 1) return taps[0] * x;
  if (history.size() != taps.size()) history.assign(taps.size(), 0.0), pos = 0;
  history[pos] = x;
  double acc = 0;
  size_t j = pos;
  for (double t : taps) {
    acc += t * history[j];
    j = j == 0 ? history.size() - 1 : j - 1;
  }
  pos = (pos + 1) % history.size();
  return acc;
}

TelephonometryPath::TelephonometryPath(BenchParams params)
    : params_(std::move(params)), ear_(params_.handsetEar) {
  RestartLocked();
}

void TelephonometryPath::SetParams(BenchParams params) {
  std::lock_guard lock(mutex_);
  params_ = std::move(params);
  RestartLocked();
}
BenchParams TelephonometryPath::Params() const {
  std::lock_guard lock(mutex_);
  return params_;
}
void TelephonometryPath::SetScene(Scene scene) {
  std::lock_guard lock(mutex_);
  scene_ = scene;
  RestartLocked();
}
void TelephonometryPath::SetEar(EarType ear) {
  std::lock_guard lock(mutex_);
  ear_ = ear;
}
void TelephonometryPath::SetTester(TesterMode mode) {
  std::lock_guard lock(mutex_);
  tester_ = mode;
  RestartLocked();
}
void TelephonometryPath::SetTuning(HandsetTuning tuning) {
  std::lock_guard lock(mutex_);
  tuning_ = std::move(tuning);
  RestartLocked();
}
Scene TelephonometryPath::CurrentScene() const {
  std::lock_guard lock(mutex_);
  return scene_;
}
EarType TelephonometryPath::CurrentEar() const {
  std::lock_guard lock(mutex_);
  return ear_;
}
TesterMode TelephonometryPath::CurrentTester() const {
  std::lock_guard lock(mutex_);
  return tester_;
}
HandsetTuning TelephonometryPath::Tuning() const {
  std::lock_guard lock(mutex_);
  return tuning_;
}

void TelephonometryPath::RestartLocked() {
  const double rate = rate_;
  mouth_ = MakeCascade(params_.mouthResponse, rate, 1000);
  dl_ = MakeCascade(params_.dlResponse, rate, 1000);
  ul_ = MakeCascade(params_.ulResponse, rate, 1000);
  dlTuning_ = Cascade(tuning_.dlIir);
  ulTuning_ = Cascade(tuning_.ulIir);
  dlFir_ = Fir{tuning_.dlFir.empty() ? std::vector<double>{1.0} : tuning_.dlFir, {}, 0};
  ulFir_ = Fir{tuning_.ulFir.empty() ? std::vector<double>{1.0} : tuning_.ulFir, {}, 0};
  encDown_.Clear(), ulDown_.Clear(), dlUp_.Clear(), decUp_.Clear();
  dlQueue_.assign(6, 0.0);
  decQueue_.assign(6, 0.0);
  echo_.assign(static_cast<size_t>(std::max(0.0, std::round(params_.echoDelayMs * rate / 1000))), 0.0);
  echoPos_ = 0;
  toneTime_ = tone8Time_ = 0;
}

void TelephonometryPath::Push8(std::deque<double>& queue, Interpolator6& up, double value, bool convert) {
  if (!convert) {
    queue.push_back(value);
    return;
  }
  double six[6];
  up.Push(value, six);
  queue.insert(queue.end(), six, six + 6);
}

double TelephonometryPath::CallSample(double enc8) {
  switch (tester_) {
    case TesterMode::Idle:
    case TesterMode::Call:
      return 0;
    case TesterMode::DecoderCal: {
      const double t = tone8Time_++ / kCallRate;
      return kSqrt2 * Db(params_.decoderCalDbm0) * std::sin(2 * std::numbers::pi * 1000 * t);
    }
    case TesterMode::EncoderCal:
      return Clip(enc8 * Db(params_.encoderCalLoopDb));
  }
  return 0;
}

void TelephonometryPath::Run(const double* const out[2], double* const in[2], int frames, int rate) {
  std::lock_guard lock(mutex_);
  if (rate != rate_) {
    rate_ = rate;
    RestartLocked();
  }
  const bool convert = rate_ == 48000;
  const BenchParams& p = params_;
  const double mouthScale = Db(p.mouthDbPa) * kSqrt2 / kFullScale;  // Pa per sample unit
  const double encScale = Db(p.encoderDbm0) * kSqrt2 / kFullScale;  // dBm0 units per sample unit
  const double decScale = kFullScale * Db(p.decoderDbfs);
  const double dlGain = Db(p.dlGainDb), ulGain = Db(p.ulGainDb), echoGain = Db(-p.echoLossDb);
  const double noise = p.noiseDbfs > -190 ? kFullScale * Db(p.noiseDbfs) : 0;
  const int ear = static_cast<int>(ear_);
  double leftScale = 0, calibratorPa = 0;  // sample units per Pa (or per dBm0 unit)
  switch (scene_) {
    case Scene::None: break;
    case Scene::RefMikeOnCalibrator:
      leftScale = kFullScale * Db(p.refMikeDbfs);
      calibratorPa = kSqrt2 * Db(p.calibratorDbSpl - 94);
      break;
    case Scene::RefMikeAtMouth: leftScale = kFullScale * Db(p.refMikeDbfs); break;
    case Scene::CalibratorOnEar:
      leftScale = kFullScale * Db(p.earDbfs[ear]);
      calibratorPa = kSqrt2 * Db(CalibratorLevelOnEar(ear_) - 94);
      break;
    case Scene::HandsetOnEar: leftScale = kFullScale * Db(p.earDbfs[ear]); break;
    case Scene::Electrical: leftScale = kFullScale * Db(p.dlElectricalDbfs); break;
  }
  const double calibratorStep = 2 * std::numbers::pi * p.calibratorHz / rate_;

  for (int i = 0; i < frames; ++i) {
    const double mouth = mouth_.Process(out[0][i] * mouthScale);  // Pa at the mouth reference point

    // The tester's codec, one step per 8 kHz sample.
    double enc8 = out[1][i] * encScale;
    if (!convert || encDown_.Push(enc8, enc8)) {
      enc8 = Clip(enc8);
      if (tester_ == TesterMode::Call)
        Push8(dlQueue_, dlUp_, Clip(dlFir_.Run(dlTuning_.Process(enc8))), convert);
      else
        Push8(decQueue_, decUp_, CallSample(enc8), convert);
    }

    // The handset's downlink (dBm0 units at its converter) and earpiece.
    const double dl = Pop(dlQueue_);
    const double earPa = dl_.Process(dl * dlGain);
    double echo = earPa;
    if (!echo_.empty()) {
      echo = echo_[echoPos_];
      echo_[echoPos_] = earPa;
      echoPos_ = (echoPos_ + 1) % echo_.size();
    }
    if (tester_ == TesterMode::Call) {
      const double mic = ul_.Process(((scene_ == Scene::HandsetOnEar ? mouth : 0) + echo * echoGain) * ulGain);
      double ul8 = mic;
      if (!convert || ulDown_.Push(mic, ul8))
        Push8(decQueue_, decUp_, Clip(ulFir_.Run(ulTuning_.Process(ul8))), convert);
    }

    double left = 0;
    switch (scene_) {
      case Scene::RefMikeOnCalibrator:
      case Scene::CalibratorOnEar: left = calibratorPa * std::sin(calibratorStep * toneTime_++); break;
      case Scene::RefMikeAtMouth: left = mouth; break;
      case Scene::HandsetOnEar: left = earPa; break;
      case Scene::Electrical: left = dl; break;
      case Scene::None: break;
    }
    in[0][i] = left * leftScale + (noise > 0 ? noise * normal_(random_) : 0);
    in[1][i] = Pop(decQueue_) * decScale + (noise > 0 ? noise * normal_(random_) : 0);
  }
}

}  // namespace vt::bench
