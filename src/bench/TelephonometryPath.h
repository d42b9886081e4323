// The bench model as the virtual sound card's path: what the card's outputs
// play becomes, through the mouth, the tester and the handset, what its inputs
// record, in the scene set. Sample rate 48000 Hz (at other rates the call
// runs at the card's rate, without the handset's tuning).
#pragma once

#include <deque>
#include <mutex>
#include <random>

#include "bench/BenchModel.h"
#include "bench/Resampler.h"
#include "measure/VirtualBench.h"

namespace vt::bench {

class TelephonometryPath : public measure::BenchPath {
 public:
  explicit TelephonometryPath(BenchParams params = {});

  // Any thread. Each change restarts the model's filters and delays.
  void SetParams(BenchParams params);
  BenchParams Params() const;
  void SetScene(Scene scene);
  void SetEar(EarType ear);
  void SetTester(TesterMode mode);
  void SetTuning(HandsetTuning tuning);
  Scene CurrentScene() const;
  EarType CurrentEar() const;
  TesterMode CurrentTester() const;
  HandsetTuning Tuning() const;

  // Bench thread.
  void Run(const double* const out[2], double* const in[2], int frames, int rate) override;

 private:
  struct Fir {
    std::vector<double> taps, history;
    size_t pos = 0;
    double Run(double x);
  };
  void RestartLocked();
  double CallSample(double enc8);  // one 8 kHz step of the tester's decoder side
  void Push8(std::deque<double>& queue, Interpolator6& up, double value, bool convert);

  mutable std::mutex mutex_;
  BenchParams params_;
  Scene scene_ = Scene::None;
  EarType ear_;
  TesterMode tester_ = TesterMode::Idle;
  HandsetTuning tuning_;

  // Running state, rebuilt by RestartLocked.
  int rate_ = 48000;
  Cascade mouth_, dl_, ul_, dlTuning_, ulTuning_;
  Fir dlFir_, ulFir_;
  Decimator6 encDown_, ulDown_;
  Interpolator6 dlUp_, decUp_;
  std::deque<double> dlQueue_, decQueue_;  // 48 kHz values ready for the card side
  std::vector<double> echo_;
  size_t echoPos_ = 0;
  double toneTime_ = 0, tone8Time_ = 0;
  std::mt19937 random_{7};
  std::normal_distribution<double> normal_{0.0, 1.0};
};

}  // namespace vt::bench
