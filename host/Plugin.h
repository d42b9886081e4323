// Loads a VoxTuner-style plug-in and calls its exports in the host's order.
#pragma once

#include <QString>

#include "plugin/Exports.h"

class QWidget;

namespace vt::host {

class Plugin {
 public:
  ~Plugin();
  // Loads the library and resolves the eight exports; false with `error` set
  // when the file is missing or an export is absent.
  bool Load(const QString& path, QString* error);
  bool Loaded() const { return handle_ != nullptr; }

  // _create_frame, _set_socket_manager, _set_inifile, _init_module.
  QWidget* Start(QWidget* owner, SocketManager* link, const QString& iniPath);
  // _delete_frame.
  void Stop();
  QString Name() const;

  plugin::CreateFrameFn create_frame = nullptr;
  plugin::DeleteFrameFn delete_frame = nullptr;
  plugin::SetSocketManagerFn set_socket_manager = nullptr;
  plugin::SetShiftFn set_shift = nullptr;
  plugin::GetResFn get_res = nullptr;
  plugin::InitModuleFn init_module = nullptr;
  plugin::GetNameFn get_name = nullptr;
  plugin::SetIniFileFn set_inifile = nullptr;

 private:
  void* handle_ = nullptr;
  QWidget* frame_ = nullptr;
};

// The plug-in built beside the host executable.
QString DefaultPluginPath();

}  // namespace vt::host
