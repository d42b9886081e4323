// The virtual telephonometry bench: the virtual sound card with the bench
// model as its path, the bench file it was loaded from, and the text commands
// a scripted session or the Virtual bench window use to move its transducers:
//   load FILE                 a bench file (see BenchFile.h)
//   scene NAME                none, ref-mike-on-calibrator, ref-mike-at-mouth,
//                             calibrator-on-ear, handset-on-ear, electrical
//   ear TYPE                  1, 32LL, 32HL, 33
//   tester MODE               idle, decoder-cal, encoder-cal, call
//   set SECTION.KEY VALUE     one bench parameter, as in a bench file
//   operator on|off           whether the bench follows the procedures'
//                             "Action" prompts itself (see Operate)
//   truth                     what a perfect calibration and measurement find
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "bench/TelephonometryPath.h"
#include "bench/Truth.h"
#include "measure/VirtualBench.h"

namespace vt::bench {

class Bench {
 public:
  explicit Bench(bool realTime);

  // The sound card the measurement port uses.
  std::shared_ptr<measure::VirtualBench> Card() const { return card_; }
  TelephonometryPath& Path() { return *path_; }

  // GUI thread. False with the reason in `out`; else `out` holds what the
  // command prints ("truth") or "".
  bool Command(const std::string& line, std::string& out);
  bool Load(const std::string& file, std::string& error);
  const std::string& File() const { return file_; }

  // The bench operator: an "Action" prompt of a calibration answered with
  // OK, acted on as a technician at the bench would (the reference mike on
  // the calibrator, the tester in decoder cal, ...), when the operator is on.
  // True when the prompt was one it knows.
  bool Operate(const std::string& prompt);
  bool OperatorOn() const { return operator_; }
  BenchTruth Truth() const;

  // Called when a call is set up (tester mode "call"): the handset's current
  // tuning, read over its link; false with the reason when it could not be
  // read (the call then runs untuned, and the command says why). Unset: no
  // tuning (flat, 0 dB).
  std::function<bool(HandsetTuning&, std::string&)> readTuning;

 private:
  std::shared_ptr<TelephonometryPath> path_;
  std::shared_ptr<measure::VirtualBench> card_;
  std::string file_;
  bool operator_ = false;
};

}  // namespace vt::bench
