// The input and output streaming threads and the devices' completion callbacks.

#include <pthread.h>
#include <algorithm>
#include <sched.h>

#include "measure/PortInternal.h"

namespace vt::measure {

namespace {

// Streaming thread, at its start: its processors and a real-time priority
// where the system grants them (silently skipped where it does not).
void TuneThread(unsigned mask) {
  cpu_set_t set;
  CPU_ZERO(&set);
  for (unsigned cpu = 0; cpu < 32; ++cpu)
    if (mask & (1u << cpu)) CPU_SET(cpu, &set);
  (void)pthread_setaffinity_np(pthread_self(), sizeof set, &set);
  sched_param param{};
  param.sched_priority = sched_get_priority_max(SCHED_FIFO) / 2;
  (void)pthread_setschedparam(pthread_self(), SCHED_FIFO, &param);
}

// Back end's thread: appends to the direction's completion queue.
void Completed(PortDirection& d, WaveHeader* header) {
  {
    std::lock_guard lock(d.queueMutex);
    auto slot = std::find(d.queue.begin(), d.queue.end(), nullptr);
    if (slot == d.queue.end()) {
      ReportStreamError("Audio completion queue overflow");
      return;
    }
    *slot = header;
  }
  d.completed->release();
}

// Streaming thread: takes entry 0 of the completion queue (null when empty).
WaveHeader* TakeCompleted(PortDirection& d) {
  WaveHeader* h;
  {
    std::lock_guard lock(d.queueMutex);
    h = d.queue[0];
    std::copy(d.queue.begin() + 1, d.queue.end(), d.queue.begin());
    d.queue.back() = nullptr;
    if (h) --d.inFlight;
  }
  d.drained.notify_all();
  return h;
}

// Streaming thread: a buffer that did not reach the device.
void Unqueued(PortDirection& d) {
  {
    std::lock_guard lock(d.queueMutex);
    --d.inFlight;
  }
  d.drained.notify_all();
}

// Streaming thread: the stream cannot go on; stop refilling.
void StreamFailed(PortDirection& d, const std::string& why) {
  d.active.store(false);
  ReportStreamError(why);
}

// Output streaming thread: signals a buffer's generator events.
void Fire(Event* a, Event* b) {
  if (a) a->Set();
  if (b) b->Set();
}

// Output streaming thread: one new buffer from the generators to the device.
void Refill(PortDirection& d) {
  PortState& port = Port();
  const int32_t n = d.length;
  int16_t* block;
  {
    block = AllocateDataBlock();
  }
  if (!block) return StreamFailed(d, "No free audio buffer: playback stopped");
  Event* ev[2];
  for (int c = 0; c < 2; ++c) {
    auto lock = LockBlock(*d.blocks[c]);
    ev[c] = d.blocks[c]->Process(block + c, n);
  }
  WaveHeader* h;
  {
    h = AllocateHeader(ev[0], ev[1]);
    if (!h) FreeDataBlock(block);
  }
  if (!h) {
    Fire(ev[0], ev[1]);
    return StreamFailed(d, "No free audio header: playback stopped");
  }
  h->data = block;
  h->bufferLength = static_cast<uint32_t>(n) * 2;
  h->bytesRecorded = 0;
  h->flags = 0;
  {
    std::lock_guard lock(d.queueMutex);
    ++d.inFlight;
  }
  bool stopped = false, written = false;
  {
    std::lock_guard order(d.deviceMutex);
    stopped = !d.active.load();
    if (!stopped) written = port.backend->WriteOutput(h);
  }
  if (!written) {
    Unqueued(d);
    FreeHeader(h, nullptr, nullptr);
    FreeDataBlock(block);
    Fire(ev[0], ev[1]);
    if (!stopped) StreamFailed(d, "The audio output refused a buffer: playback stopped");
  }
}

// Input streaming thread: hands the device a fresh buffer.
void Resubmit(PortDirection& d) {
  PortState& port = Port();
  WaveHeader* h = nullptr;
  int16_t* block = nullptr;
  {
    block = AllocateDataBlock();
    if (block) h = AllocateHeader(nullptr, nullptr);
    if (block && !h) FreeDataBlock(block);
  }
  if (!h) return StreamFailed(d, "No free audio buffer: recording stopped");
  h->data = block;
  h->bufferLength = static_cast<uint32_t>(d.length) * 2;
  {
    std::lock_guard lock(d.queueMutex);
    ++d.inFlight;
  }
  bool added = false;
  {
    std::lock_guard order(d.deviceMutex);
    if (d.active.load()) added = port.backend->AddInputBuffer(h);
  }
  if (!added) {
    Unqueued(d);
    FreeHeader(h, nullptr, nullptr);
    FreeDataBlock(block);
  }
}

}  // namespace

// Back end's thread.
void InputDone(WaveHeader* header) { Completed(Port().in, header); }
// Back end's thread.
void OutputDone(WaveHeader* header) { Completed(Port().out, header); }

// Output streaming thread.
void OutputThread(unsigned mask) {
  TuneThread(mask);
  PortDirection& d = Port().out;
  for (;;) {
    d.completed->acquire();
    if (d.stop.load()) break;
    if (WaveHeader* h = TakeCompleted(d)) {
      Event* ev[2];
      {
        FreeDataBlock(h->data);
        FreeHeader(h, &ev[0], &ev[1]);
      }
      // The generators' audio in this buffer has finished playing.
      Fire(ev[0], ev[1]);
    }
    if (d.active.load()) Refill(d);
  }
  d.stop.store(false);
}

// Input streaming thread.
void InputThread(unsigned mask) {
  TuneThread(mask);
  PortDirection& d = Port().in;
  for (;;) {
    d.completed->acquire();
    if (d.stop.load()) break;
    // A fresh buffer first, so the device never runs dry while this one is analysed.
    if (d.active.load()) Resubmit(d);
    WaveHeader* h = TakeCompleted(d);
    if (!h) continue;
    int16_t* data = h->data;
    const int32_t count = static_cast<int32_t>(h->bytesRecorded / 2);
    if (count > 0) {
      for (int c = 0; c < 2; ++c) {
        Event* ev;
        {
          auto lock = LockBlock(*d.blocks[c]);
          ev = d.blocks[c]->Process(data + c, count);
        }
        if (ev) ev->Set();
      }
    }
    FreeHeader(h, nullptr, nullptr);
    FreeDataBlock(data);
  }
  d.stop.store(false);
}

}  // namespace vt::measure
