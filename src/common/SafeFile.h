// Reading and writing whole files the way a user expects of a save:
// the file keeps its identity (a symlink is followed and its target written,
// permissions and owner stay), a file the user may not write is refused, and
// the write is atomic wherever the folder allows it.
#pragma once

#include <cstddef>
#include <string>

namespace vt {

// Largest file that ReadWholeFile takes by default.
inline constexpr size_t kMaxLoadBytes = size_t(64) << 20;

// Reads a regular file of at most maxBytes. FIFOs, devices and folders are
// refused without blocking; on failure `error` says why and `data` is untouched.
bool ReadWholeFile(const std::string& path, std::string& data, std::string* error,
                   size_t maxBytes = kMaxLoadBytes);

// Writes `data` to `path`. A symlink is followed to its target. An existing
// file must be a regular file the user may write; its permissions and owner
// are kept. In a folder the user may write, the data goes to a file beside
// the target, which is then renamed over it (readers see the old or the new
// file, never half of one; an interrupted save leaves the old file). In a
// folder the user may not write, an existing writable file is rewritten in
// place. On failure `error` says why.
bool SaveFile(const std::string& path, const std::string& data, std::string* error);

// The checks of SaveFile without writing: false with `error` when a save to
// `path` would be refused.
bool CheckWritable(const std::string& path, std::string* error);

// The file a path stands for: symlinks followed (also a dangling last link).
std::string ResolveLinks(const std::string& path);

}  // namespace vt
