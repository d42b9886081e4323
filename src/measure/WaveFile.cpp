#include "measure/WaveFile.h"

#include <sndfile.h>

#include <algorithm>
#include <cstring>
#include <fstream>

namespace vt::measure {

namespace {

// Bits of a PCM subtype, 0 for anything else.
uint32_t PcmBits(int format) {
  switch (format & SF_FORMAT_SUBMASK) {
    case SF_FORMAT_PCM_U8:
    case SF_FORMAT_PCM_S8: return 8;
    case SF_FORMAT_PCM_16: return 16;
    case SF_FORMAT_PCM_24: return 24;
    case SF_FORMAT_PCM_32: return 32;
    default: return 0;
  }
}

// The chunks of a RIFF file walked before the file goes to libsndfile, which
// spins without end on some damaged chunk sizes: a chunk other than "data"
// that claims to run past the end of the file is refused. (A "data" chunk may
// claim more than is there, or less, as after a recording cut short; nothing
// after it is walked then.) Empty when the file is no RIFF file or its chunks fit.
std::string DamagedChunk(const std::string& path) {
  std::ifstream in(path, std::ios::binary | std::ios::ate);
  if (!in) return {};
  const auto end = static_cast<uint64_t>(in.tellg());
  auto word = [&in](uint64_t at, char* out) {
    in.seekg(static_cast<std::streamoff>(at));
    return bool(in.read(out, 4));
  };
  char id[4], size[4];
  bool dataSeen = false;
  if (!word(0, id) || std::memcmp(id, "RIFF", 4) != 0) return {};
  for (uint64_t at = 12; at + 8 <= end; ) {
    if (!word(at, id) || !word(at + 4, size)) return {};
    const uint64_t n = uint64_t(uint8_t(size[0])) | uint64_t(uint8_t(size[1])) << 8 |
                       uint64_t(uint8_t(size[2])) << 16 | uint64_t(uint8_t(size[3])) << 24;
    const bool data = std::memcmp(id, "data", 4) == 0;
    // Past the samples the header counts, bytes that are no chunk are samples
    // written after its last update by a recording cut short: not walked.
    if (dataSeen && !std::all_of(id, id + 4, [](char c) { return c >= ' ' && c <= '~'; })) return {};
    dataSeen = dataSeen || data;
    if (at + 8 + n > end) {
      if (data) return {};
      std::string name(id, 4);
      for (char& c : name)
        if (c < ' ' || c > '~') c = '?';
      return "its \"" + name + "\" chunk runs past the end of the file";
    }
    at += 8 + n + (n & 1);
  }
  return {};
}

int PcmSubtype(int32_t bits) {
  switch (bits) {
    case 8: return SF_FORMAT_PCM_U8;
    case 16: return SF_FORMAT_PCM_16;
    case 24: return SF_FORMAT_PCM_24;
    case 32: return SF_FORMAT_PCM_32;
    default: return 0;
  }
}

}  // namespace

bool TWaveFile::Fail(const std::string& why) {
  Close();
  error_ = why;
  return false;
}

bool TWaveFile::OpenRead(const std::string& path) {
  Close();
  error_.clear();
  if (const std::string damage = DamagedChunk(path); !damage.empty())
    return Fail("\"" + path + "\" is damaged: " + damage);
  SF_INFO info{};
  file_ = sf_open(path.c_str(), SFM_READ, &info);
  if (!file_) return Fail("Cannot open \"" + path + "\": " + sf_strerror(nullptr));
  const int major = info.format & SF_FORMAT_TYPEMASK;
  if (major != SF_FORMAT_WAV && major != SF_FORMAT_WAVEX)
    return Fail("\"" + path + "\" is not a wave file");
  bits_ = PcmBits(info.format);
  if (bits_ == 0) return Fail("\"" + path + "\" does not hold PCM samples");
  if (info.channels < 1) return Fail("\"" + path + "\" has no channel");
  channels_ = static_cast<uint32_t>(info.channels);
  sampleRate_ = static_cast<uint32_t>(info.samplerate);
  frames_ = static_cast<uint64_t>(std::max<sf_count_t>(info.frames, 0));
  reading_ = true;
  endReached_ = false;
  return true;
}

void TWaveFile::Read(int32_t frames, int16_t* left, int16_t* right) {
  const size_t n = frames > 0 ? static_cast<size_t>(frames) : 0;
  frame_.resize(n * std::max<uint32_t>(channels_, 1));
  size_t done = 0;
  if (reading_) {
    bool restarted = false;  // an empty file loops no further
    while (done < n) {
      const sf_count_t got =
          sf_readf_short(file_, frame_.data() + done * channels_, static_cast<sf_count_t>(n - done));
      done += static_cast<size_t>(std::max<sf_count_t>(got, 0));
      if (done == n) break;
      if (!loop_ || (got <= 0 && restarted)) {
        endReached_ = true;
        break;
      }
      endReached_ = false;
      sf_seek(file_, 0, SEEK_SET);
      restarted = got <= 0;
    }
  }
  const size_t c = channels_;
  for (size_t k = 0; k < n; ++k) {
    const int16_t l = k < done ? frame_[k * c] : 0;
    const int16_t r = k < done ? frame_[k * c + (c > 1 ? 1 : 0)] : 0;
    if (left) left[k] = l;
    if (right) right[k] = r;
  }
}

bool TWaveFile::OpenWrite(const std::string& path, int32_t channels, int32_t rate, int32_t bits) {
  Close();
  error_.clear();
  if (channels < 1 || channels > 2) return Fail("A wave file is written with 1 or 2 channels, not " + std::to_string(channels));
  if (PcmSubtype(bits) == 0) return Fail("A wave file is written with 8, 16, 24 or 32 bits, not " + std::to_string(bits));
  if (rate < 1) return Fail("Bad sample rate " + std::to_string(rate) + " for \"" + path + "\"");
  SF_INFO info{};
  info.channels = channels;
  info.samplerate = rate;
  info.format = SF_FORMAT_WAV | PcmSubtype(bits);
  file_ = sf_open(path.c_str(), SFM_WRITE, &info);
  if (!file_) return Fail("Cannot create \"" + path + "\": " + sf_strerror(nullptr));
  sf_command(file_, SFC_SET_ADD_PEAK_CHUNK, nullptr, SF_FALSE);
  channels_ = static_cast<uint32_t>(channels);
  sampleRate_ = static_cast<uint32_t>(rate);
  bits_ = static_cast<uint32_t>(bits);
  frames_ = 0;
  writing_ = true;
  sf_command(file_, SFC_UPDATE_HEADER_NOW, nullptr, 0);
  return true;
}

void TWaveFile::Write(int32_t frames, const int16_t* left, const int16_t* right) {
  if (!writing_ || frames <= 0) return;
  const size_t n = static_cast<size_t>(frames), c = channels_;
  frame_.resize(n * c);
  for (size_t k = 0; k < n; ++k) {
    frame_[k * c] = left ? left[k] : 0;
    if (c > 1) frame_[k * c + 1] = right ? right[k] : 0;
  }
  const sf_count_t put = sf_writef_short(file_, frame_.data(), static_cast<sf_count_t>(n));
  if (put > 0) frames_ += static_cast<uint64_t>(put);
  if (put != static_cast<sf_count_t>(n) && error_.empty()) error_ = std::string("Write error: ") + sf_strerror(file_);
  // The header follows every write (one buffer of the port, 50 ms), so that a
  // program stopped at any point leaves a file that holds what it recorded.
  sf_command(file_, SFC_UPDATE_HEADER_NOW, nullptr, 0);
}

void TWaveFile::Rewind() {
  if (reading_) sf_seek(file_, 0, SEEK_SET);
  endReached_ = false;
}

void TWaveFile::Close() {
  if (file_) sf_close(file_);  // a file being written gets its final sizes here
  file_ = nullptr;
  reading_ = writing_ = false;
}

}  // namespace vt::measure
