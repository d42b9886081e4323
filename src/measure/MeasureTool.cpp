#include "measure/MeasureTool.h"

namespace vt::measure {

namespace {
std::atomic<uint64_t> g_nextInstance{1};
std::atomic<int64_t> g_noAudioMs{5000};
constexpr std::chrono::milliseconds kWaitSlice{20};
}  // namespace

std::string NewInstanceId() { return "#" + std::to_string(g_nextInstance.fetch_add(1)); }

// ---- TSynchro -------------------------------------------------------------

TSynchro::TSynchro() : event_("Synchro" + NewInstanceId()) {}

void TSynchro::SetThreshold(int32_t threshold) {
  std::lock_guard lock(mutex_);
  threshold_ = threshold;
}

int32_t TSynchro::Threshold() const {
  std::lock_guard lock(mutex_);
  return threshold_;
}

void TSynchro::SetRepeat(bool repeat) {
  std::lock_guard lock(mutex_);
  repeat_ = repeat;
}

void TSynchro::Arm() {
  std::lock_guard lock(mutex_);
  event_.Reset();
  counter_ = 0;
  armed_ = true;
}

void TSynchro::Stop() {
  std::lock_guard lock(mutex_);
  event_.Set();
  armed_ = false;
}

int32_t TSynchro::Counted() const {
  std::lock_guard lock(mutex_);
  return counter_;
}

bool TSynchro::Armed() const {
  std::lock_guard lock(mutex_);
  return armed_;
}

Event* TSynchro::Process() {
  std::lock_guard lock(mutex_);
  if (!armed_) return nullptr;
  // Only calls that bring the event nearer count as progress for a waiter:
  // audio reaching a disarmed synchro can never end a wait.
  calls_.fetch_add(1, std::memory_order_relaxed);
  if (counter_ < threshold_) {
    ++counter_;
    return nullptr;
  }
  counter_ = 0;
  if (!repeat_) armed_ = false;
  return &event_;
}

bool TSynchro::Wait() { return WaitFor(std::chrono::milliseconds::max()); }

bool TSynchro::WaitFor(std::chrono::milliseconds limit) { return WaitFor(limit, nullptr); }

bool TSynchro::Wait(const std::function<bool()>& between) {
  return WaitFor(std::chrono::milliseconds::max(), between);
}

bool TSynchro::WaitFor(std::chrono::milliseconds limit, const std::function<bool()>& between) {
  using Clock = std::chrono::steady_clock;
  const auto start = Clock::now();
  auto lastProgress = start;
  uint64_t seen = calls_.load(std::memory_order_relaxed);
  for (;;) {
    if (event_.WaitFor(kWaitSlice)) {
      std::lock_guard lock(mutex_);
      error_.clear();
      return true;
    }
    const auto now = Clock::now();
    const uint64_t calls = calls_.load(std::memory_order_relaxed);
    if (calls != seen) {
      seen = calls;
      lastProgress = now;
    } else if (now - lastProgress >= NoAudioTimeout()) {
      std::lock_guard lock(mutex_);
      error_ = armed_ ? "No audio reached " + event_.Name() + " for " +
                            std::to_string(NoAudioTimeout().count()) + " ms"
                      : event_.Name() + " is not armed: nothing can fire it";
      return false;
    }
    if (limit != std::chrono::milliseconds::max() && now - start >= limit) {
      std::lock_guard lock(mutex_);
      error_ = "Time-out waiting for " + event_.Name();
      return false;
    }
    if (between && between()) {
      std::lock_guard lock(mutex_);
      error_ = "Stopped";
      return false;
    }
  }
}

std::string TSynchro::Error() const {
  std::lock_guard lock(mutex_);
  return error_;
}

void TSynchro::SetNoAudioTimeout(std::chrono::milliseconds timeout) {
  g_noAudioMs.store(timeout.count());
}

std::chrono::milliseconds TSynchro::NoAudioTimeout() {
  return std::chrono::milliseconds(g_noAudioMs.load());
}

// ---- TMeasureTool ---------------------------------------------------------

TMeasureTool::TMeasureTool(std::string_view typeWord)
    : mutex_(&ownMutex_), sharesMutex_(false), instanceId_(NewInstanceId()),
      name_(std::string(typeWord) + instanceId_) {}

TMeasureTool::TMeasureTool(std::string_view typeWord, TMeasureTool* wrapped)
    : mutex_(wrapped ? &wrapped->Mutex() : &ownMutex_), sharesMutex_(wrapped != nullptr),
      instanceId_(NewInstanceId()), name_(std::string(typeWord) + instanceId_) {
  children[0] = wrapped;
}

TMeasureTool::TMeasureTool(std::string_view typeWord, std::mutex& borrowed)
    : mutex_(&borrowed), sharesMutex_(true), instanceId_(NewInstanceId()),
      name_(std::string(typeWord) + instanceId_) {}

void TMeasureTool::SetFormat(int32_t rate, bool isStereo) {
  sampleRate = rate;
  stereo = isStereo;
  for (TMeasureTool* child : children)
    if (child && child != this) child->SetFormat(rate, isStereo);
}

std::unique_lock<std::mutex> LockBlock(const TMeasureTool& block) {
  for (;;) {
    std::mutex& m = block.Mutex();
    std::unique_lock lock(m);
    if (&block.Mutex() == &m) return lock;
  }
}

// ---- idle blocks ------------------------------------------------------------

Event* TDummyGenerator::Process(int16_t* samples, int32_t count) {
  if (stereo)
    for (int32_t i = 0; i < count; i += 2) samples[i] = 0;
  return nullptr;
}



}  // namespace vt::measure
