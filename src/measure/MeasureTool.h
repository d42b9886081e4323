// Base of every signal block, the synchro that turns processed buffers into
// events, and the idle blocks the port uses for channels nobody listens to.
#pragma once

#include <array>
#include <atomic>
#include <chrono>
#include <functional>
#include <cstdint>
#include <mutex>
#include <string>
#include <string_view>

#include "measure/Event.h"

namespace vt::measure {

// A text unique within the process, appended to type words to name mutexes
// and events ("LevelAnalyzer#12").
std::string NewInstanceId();

// Counts Process calls and hands back its event after `threshold` + 1 calls
// since it was armed. Its own small lock makes it safe to arm from the GUI
// thread while a streaming thread counts.
class TSynchro {
 public:
  TSynchro();
  TSynchro(const TSynchro&) = delete;
  TSynchro& operator=(const TSynchro&) = delete;

  // GUI thread (any thread). Set directly by the owner; 1 to 100 in practice.
  void SetThreshold(int32_t threshold);
  int32_t Threshold() const;
  // Any thread: calls counted towards the event since it was armed (0 ..
  // threshold), for progress shown while waiting.
  int32_t Counted() const;
  // GUI thread. Stay armed after firing when true.
  void SetRepeat(bool repeat);

  // GUI thread, or a block setter on any thread: event cleared, counter 0, armed.
  void Arm();
  // GUI thread: signal the event and disarm.
  void Stop();
  // GUI thread: blocks until the event fires. Returns false (and sets Error())
  // when no buffer reached this synchro while armed for NoAudioTimeout(): the
  // stream stopped, the device went away, or the synchro is not armed.
  bool Wait();
  // As Wait, giving up after `limit` even while audio flows.
  bool WaitFor(std::chrono::milliseconds limit);
  // As Wait, calling `between` every 20 ms or so while it waits (to show
  // progress, to let the user stop); a true from it ends the wait unfired,
  // with Error() "Stopped".
  bool Wait(const std::function<bool()>& between);
  // GUI thread: why the last Wait failed, "" after a successful wait.
  std::string Error() const;

  // Streaming threads, under the owning block's mutex. Null or the event.
  Event* Process();

  bool Armed() const;
  const std::string& Name() const { return event_.Name(); }

  // How long a wait tolerates a silent stream; 5 s unless changed (tests).
  static void SetNoAudioTimeout(std::chrono::milliseconds timeout);
  static std::chrono::milliseconds NoAudioTimeout();

 private:
  bool WaitFor(std::chrono::milliseconds limit, const std::function<bool()>& between);
  Event event_;
  mutable std::mutex mutex_;
  bool armed_ = false;
  int32_t counter_ = 0;
  int32_t threshold_ = 0;
  bool repeat_ = false;
  std::string error_;
  std::atomic<uint64_t> calls_{0};
};

inline constexpr int kMaxChildren = 10;

class TMeasureTool {
 public:
  // A block that owns its mutex, named type word + instance suffix.
  explicit TMeasureTool(std::string_view typeWord);
  // A wrapping block: borrows `wrapped`'s mutex and keeps it as child 0.
  TMeasureTool(std::string_view typeWord, TMeasureTool* wrapped);
  // A block that borrows a mutex only; the owner sets child 0 itself.
  TMeasureTool(std::string_view typeWord, std::mutex& borrowed);
  virtual ~TMeasureTool() = default;
  TMeasureTool(const TMeasureTool&) = delete;
  TMeasureTool& operator=(const TMeasureTool&) = delete;

  // Streaming thread (or the GUI thread while the block is not attached to the
  // port), with Mutex() held. Touches indices 0, stride, 2*stride, ... < count.
  virtual Event* Process(int16_t* samples, int32_t count) = 0;

  // Any thread. The lock that guards this block (its own or the borrowed one).
  std::mutex& Mutex() const { return *mutex_.load(std::memory_order_acquire); }
  bool SharesMutex() const { return sharesMutex_; }
  const std::string& Name() const { return name_; }
  const std::string& InstanceId() const { return instanceId_; }

  int Stride() const { return stereo ? 2 : 1; }
  // GUI thread, port closed: sets rate and stereo on this block and its tree.
  void SetFormat(int32_t rate, bool isStereo);

  int32_t sampleRate = 48000;
  bool stereo = false;
  TSynchro* synchro = nullptr;
  std::array<TMeasureTool*, kMaxChildren> children{};

 protected:
  // Called by subclasses with the block's mutex held.
  Event* SynchroProcess() { return synchro ? synchro->Process() : nullptr; }
  void Rearm() {
    if (synchro) synchro->Arm();
  }
  // Switches the guarding lock (TDownSamplerBy6::SetChild), old lock held.
  void SwitchMutex(std::mutex& m) { mutex_.store(&m, std::memory_order_release); }

 private:
  std::mutex ownMutex_;
  std::atomic<std::mutex*> mutex_;
  bool sharesMutex_;
  std::string instanceId_;
  std::string name_;
};

// Any thread: locks the block's current mutex, following a switch made while
// waiting for it.
std::unique_lock<std::mutex> LockBlock(const TMeasureTool& block);

// Writes 0 to its channel when stereo, leaves a mono stream alone.
class TDummyGenerator : public TMeasureTool {
 public:
  TDummyGenerator() : TMeasureTool("DummyGenerator") {}
  // Output streaming thread.
  Event* Process(int16_t* samples, int32_t count) override;
};

// Consumes and discards.
class TDummyAnalyzer : public TMeasureTool {
 public:
  TDummyAnalyzer() : TMeasureTool("DummyAnalyzer") {}
  // Input streaming thread.
  Event* Process(int16_t* samples, int32_t count) override { return nullptr; }
};

// The four idle blocks that live as long as the module (index 0 left, 1 right).
TDummyAnalyzer& DummyAnalyzer(int channel);
TDummyGenerator& DummyGenerator(int channel);

}  // namespace vt::measure
