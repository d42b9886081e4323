// The plug-in's eight exported functions, as the host finds them by name.
// C calling convention, leading underscore; text as const char*, the owner
// and the frame as opaque pointers (QWidget* on this platform).
#pragma once

#include <cstdint>

#include "handset/SocketManager.h"

extern "C" {
void* _create_frame(void* owner);
void _delete_frame();
void _set_socket_manager(vt::SocketManager* link);
void _set_shift(int32_t index, int32_t value);
int32_t _get_res(int32_t index);
void _init_module();
// Writes the module's NUL-terminated name into text (at least 64 bytes) and returns text.
char* _get_name(char* text);
void _set_inifile(const char* path);
}

// Pointer types for the host's dlsym look-ups.
namespace vt::plugin {
using CreateFrameFn = void* (*)(void*);
using DeleteFrameFn = void (*)();
using SetSocketManagerFn = void (*)(vt::SocketManager*);
using SetShiftFn = void (*)(int32_t, int32_t);
using GetResFn = int32_t (*)(int32_t);
using InitModuleFn = void (*)();
using GetNameFn = char* (*)(char*);
using SetIniFileFn = void (*)(const char*);
constexpr int kNameBufferSize = 64;
// The owner window given to _create_frame may carry, as a dynamic property of
// this name (a quintptr), the vt::measure::AudioBackend* the host chose for
// measurements (its virtual bench). The host keeps it alive until after
// _delete_frame. Without it the module opens the back end named by the
// VOXTUNER_AUDIO environment variable ("virtual" when unset).
constexpr char kAudioBackendProperty[] = "vtAudioBackend";
}  // namespace vt::plugin
