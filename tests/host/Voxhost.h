// voxhost run as a user or a script runs it: the real host binary with the
// real plug-in, offscreen, a script file written for it.
#pragma once

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <string>

namespace vt::testing {

struct ScriptRun {
  int status = -1;
  std::string out;  // standard output and error together
};

inline std::string Temp(const std::string& name) {
  return std::string(::testing::TempDir()) + "/vt_host_" + std::to_string(::getpid()) + "_" + name;
}

// Runs `script` with voxhost and the extra options; a run that hangs is cut
// after `seconds`.
inline ScriptRun RunScript(const std::string& script, const std::string& extra = "", int seconds = 60) {
  const std::string file = Temp("script.vts");
  std::ofstream(file) << script;
  std::string cmd = "timeout " + std::to_string(seconds) + " '" + std::string(VT_BINARY_DIR) +
                    "/bin/voxhost' --offscreen";
  cmd += " --ini '" + Temp("host.ini") + "' --script '" + file + "' " + extra + " 2>&1";
  ScriptRun r;
  FILE* p = ::popen(cmd.c_str(), "r");
  char buf[4096];
  size_t n;
  while ((n = std::fread(buf, 1, sizeof buf, p)) > 0) r.out.append(buf, n);
  int st = ::pclose(p);
  r.status = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
  return r;
}

}  // namespace vt::testing
