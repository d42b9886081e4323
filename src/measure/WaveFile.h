// RIFF/WAVE files through libsndfile: one file open for reading or for
// writing, 16-bit samples in and out, left and right channel apart.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

typedef struct sf_private_tag SNDFILE;

namespace vt::measure {

class TWaveFile {
 public:
  TWaveFile() = default;
  ~TWaveFile() { Close(); }
  TWaveFile(const TWaveFile&) = delete;
  TWaveFile& operator=(const TWaveFile&) = delete;

  // An existing PCM wave file (any chunks, WAVE_FORMAT_EXTENSIBLE too). False,
  // with Error() saying why, when it is missing, unreadable, not a wave file
  // or not PCM; the file is then closed.
  bool OpenRead(const std::string& path);
  // `frames` frames of the file, converted to 16 bits; either destination may
  // be null; a mono file gives its one channel to both. Past the end: with
  // Loop() the data starts again from its first frame, otherwise EndReached()
  // becomes true and the rest is zeros. Not reading: zeros.
  void Read(int32_t frames, int16_t* left, int16_t* right);
  // Creates or truncates a PCM wave file of 1 or 2 channels and 8, 16, 24 or
  // 32 bits. While it is written its header is brought up to date after every
  // write, so a program killed before Close still leaves a valid file of what
  // it wrote up to then.
  bool OpenWrite(const std::string& path, int32_t channels, int32_t rate, int32_t bits);
  // Appends frames (left, then right with two channels); a null source writes zeros.
  void Write(int32_t frames, const int16_t* left, const int16_t* right);
  // Back to the first frame; EndReached() false again.
  void Rewind();
  // Writes the final header sizes of a file being written; closes either kind.
  void Close();

  void SetLoop(bool loop) { loop_ = loop; }
  bool Loop() const { return loop_; }
  bool EndReached() const { return endReached_; }
  bool Reading() const { return reading_; }
  bool Writing() const { return writing_; }
  uint32_t Channels() const { return channels_; }
  uint32_t SampleRate() const { return sampleRate_; }
  uint32_t BitsPerSample() const { return bits_; }
  uint32_t BlockAlign() const { return channels_ * bits_ / 8; }
  // Bytes of samples in the file (reading) or written so far (writing).
  uint64_t DataSize() const { return frames_ * BlockAlign(); }
  // Why the last open failed, or the first write error; "" when none.
  const std::string& Error() const { return error_; }

 private:
  bool Fail(const std::string& why);

  SNDFILE* file_ = nullptr;
  bool reading_ = false;
  bool writing_ = false;
  bool loop_ = false;
  bool endReached_ = false;
  uint32_t channels_ = 0;
  uint32_t sampleRate_ = 0;
  uint32_t bits_ = 0;
  uint64_t frames_ = 0;
  std::string error_;
  std::vector<int16_t> frame_;  // interleaved scratch
};

}  // namespace vt::measure
