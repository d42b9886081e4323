// The sound-card port: one per module. It streams 16-bit PCM between the
// current audio back end and one block per channel and direction, on an input
// and an output streaming thread. All functions here belong to the GUI thread
// unless they say otherwise.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "measure/AudioBackend.h"
#include "measure/MeasureTool.h"

namespace vt::measure {

inline constexpr int kPoolSize = 70;             // data blocks and headers
inline constexpr int kDataBlockBytes = 10000;    // so at most 5000 values a buffer
inline constexpr int kMaxBufferValues = kDataBlockBytes / 2;
inline constexpr int kCompletionQueueLength = 50;
inline constexpr int kBuffersInFlight = 4;

// Port closed. The port shares the back end (the host may keep it to steer
// its virtual bench); null restores the default (the virtual sound card in
// real time), created on the next OpenPort.
void SetAudioBackend(std::shared_ptr<AudioBackend> backend);
// The back end the port uses (created on first use).
AudioBackend& CurrentAudioBackend();

// Port closed: every data block and header free, stored events cleared.
void ResetBufferPools();

// Opens the requested directions with one block per channel (null: an idle
// block). False when a requested direction is already open, the buffer does not
// fit a pool block, or the device cannot be opened.
bool OpenPort(int32_t sampleRate, bool stereo, bool openInput, bool openOutput,
              TMeasureTool* leftAnalyzer, TMeasureTool* rightAnalyzer,
              TMeasureTool* leftGenerator, TMeasureTool* rightGenerator, int32_t bufferLength);
void StartRecording();
void StartPlayback();
void StopRecording();
void StopPlayback();
// Always returns, after both streaming threads have ended.
void ClosePort();

// Volumes 0..32767 (32767 = the control's maximum); negative leaves a channel.
bool SetPlaybackVolume(int32_t left, int32_t right);
bool SetRecordVolume(int32_t left, int32_t right);

// The buffer length in int16 values of the open port (0 when closed).
int32_t PortBufferLength();
bool PortInputOpen();
bool PortOutputOpen();
// Any thread: the first stream error since OpenPort ("" when none).
std::string PortError();

// Pool primitives; any thread (each takes the allocator lock itself).
int16_t* AllocateDataBlock();
void FreeDataBlock(int16_t* block);
WaveHeader* AllocateHeader(Event* left, Event* right);
void FreeHeader(WaveHeader* header, Event** left, Event** right);
// Any thread: blocks and headers in use (for tests and diagnostics).
int DataBlocksInUse();
int HeadersInUse();

}  // namespace vt::measure
