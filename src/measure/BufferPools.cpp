// The fixed pools of audio buffers: nothing is allocated while streaming.

#include "measure/AudioPort.h"
#include "measure/PortInternal.h"

namespace vt::measure {

namespace {
// One spare value after each block: in mono the right channel's block is handed
// the buffer one value on and may touch one value past its end.
alignas(64) int16_t g_data[kPoolSize][kMaxBufferValues + 1];
bool g_dataUsed[kPoolSize];
WaveHeader g_headers[kPoolSize];
bool g_headerUsed[kPoolSize];
}  // namespace

std::mutex& AllocatorMutex() {
  static std::mutex m;  // "MutexAllocator"
  return m;
}

void ResetBufferPools() {
  std::lock_guard lock(AllocatorMutex());
  for (int k = 0; k < kPoolSize; ++k) {
    g_dataUsed[k] = false;
    g_headerUsed[k] = false;
    g_headers[k] = WaveHeader{};
  }
}

// Any thread.
int16_t* AllocateDataBlock() {
  std::lock_guard lock(AllocatorMutex());
  for (int k = 0; k < kPoolSize; ++k)
    if (!g_dataUsed[k]) {
      g_dataUsed[k] = true;
      return g_data[k];
    }
  return nullptr;
}

// Any thread.
void FreeDataBlock(int16_t* block) {
  std::lock_guard lock(AllocatorMutex());
  for (int k = 0; k < kPoolSize; ++k)
    if (g_data[k] == block) g_dataUsed[k] = false;
}

// Any thread.
WaveHeader* AllocateHeader(Event* left, Event* right) {
  std::lock_guard lock(AllocatorMutex());
  for (int k = 0; k < kPoolSize; ++k)
    if (!g_headerUsed[k]) {
      g_headerUsed[k] = true;
      g_headers[k] = WaveHeader{};
      g_headers[k].events[0] = left;
      g_headers[k].events[1] = right;
      return &g_headers[k];
    }
  return nullptr;
}

// Any thread.
void FreeHeader(WaveHeader* header, Event** left, Event** right) {
  std::lock_guard lock(AllocatorMutex());
  if (left) *left = nullptr;
  if (right) *right = nullptr;
  for (int k = 0; k < kPoolSize; ++k)
    if (&g_headers[k] == header && g_headerUsed[k]) {
      if (left) *left = header->events[0];
      if (right) *right = header->events[1];
      header->events[0] = header->events[1] = nullptr;
      g_headerUsed[k] = false;
    }
}

int DataBlocksInUse() {
  std::lock_guard lock(AllocatorMutex());
  int n = 0;
  for (bool used : g_dataUsed) n += used;
  return n;
}

int HeadersInUse() {
  std::lock_guard lock(AllocatorMutex());
  int n = 0;
  for (bool used : g_headerUsed) n += used;
  return n;
}

}  // namespace vt::measure
