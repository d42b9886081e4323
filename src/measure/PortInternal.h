// The port's module-wide state, shared between its source files; not for
// other subsystems.
#pragma once

#include <array>
#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <semaphore>
#include <string>
#include <thread>

#include "measure/AudioPort.h"

namespace vt::measure {

// "MutexAllocator": guards the buffer pools.
std::mutex& AllocatorMutex();

// One direction of the port: the device's completion queue, its streaming
// thread and the blocks it serves.
struct PortDirection {
  explicit PortDirection(bool isInput) : input(isInput) {}
  const bool input;
  bool open = false;                // GUI thread only
  std::atomic<bool> active{false};  // recording / playing: the thread refills only while set
  std::atomic<bool> stop{false};    // set by ClosePort, cleared by the thread as it leaves
  std::mutex queueMutex;            // "MutexBufferReceived" / "MutexBufferSent"
  std::condition_variable drained;  // the queue emptied and nothing is in flight
  std::array<WaveHeader*, kCompletionQueueLength> queue{};
  int inFlight = 0;
  int32_t length = 0;  // N of this direction, fixed while it is open
  std::unique_ptr<std::counting_semaphore<1 << 20>> completed;  // "BufferReceived" / "BufferSent"
  std::thread thread;
  // Held around handing buffers to the device and around stopping it: the four
  // silent buffers of StartPlayback reach the device before any refill, and no
  // buffer reaches it after a stop.
  std::mutex deviceMutex;
  TMeasureTool* blocks[2] = {nullptr, nullptr};
};

struct PortState {
  ~PortState();
  PortDirection in{true};
  PortDirection out{false};
  int32_t bufferLength = 0;  // N of the last OpenPort (GUI thread; threads use their direction's)
  std::shared_ptr<AudioBackend> backend;
  bool mixerOpen = false;
  std::mutex errorMutex;
  std::string error;
};

PortState& Port();

// Any thread: records the first stream error since OpenPort.
void ReportStreamError(const std::string& text);

// Back end's thread: a device finished with `header`.
void InputDone(WaveHeader* header);
void OutputDone(WaveHeader* header);

// The streaming threads' bodies; `mask` is their processor mask.
void InputThread(unsigned mask);
void OutputThread(unsigned mask);

}  // namespace vt::measure
