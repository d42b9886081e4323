// The built libvoxtuner.so exports exactly the eight functions, and a host
// can resolve and call them by name.
#include <gtest/gtest.h>

#include <dlfcn.h>

#include <cstdio>
#include <set>
#include <string>

namespace {
const std::string kLibrary = std::string(VT_BINARY_DIR) + "/bin/libvoxtuner.so";
}

TEST(SharedLibrary, ExportsExactlyTheEightFunctions) {
  std::string cmd = "nm -D --defined-only '" + kLibrary + "'";
  FILE* p = ::popen(cmd.c_str(), "r");
  ASSERT_NE(p, nullptr);
  std::set<std::string> functions;
  char line[1024];
  while (std::fgets(line, sizeof line, p)) {
    char addr[64], type[8], name[900];
    if (std::sscanf(line, "%63s %7s %899s", addr, type, name) == 3 && std::string(type) == "T")
      functions.insert(name);
  }
  ASSERT_EQ(::pclose(p), 0);
  std::set<std::string> expected = {"_create_frame", "_delete_frame", "_set_socket_manager",
                                    "_set_shift",    "_get_res",      "_init_module",
                                    "_get_name",     "_set_inifile"};
  EXPECT_EQ(functions, expected);
}

TEST(SharedLibrary, NameIsAvailableRightAfterLoading) {
  void* h = ::dlopen(kLibrary.c_str(), RTLD_NOW | RTLD_LOCAL);
  ASSERT_NE(h, nullptr) << ::dlerror();
  using GetName = char* (*)(char*);
  auto get_name = reinterpret_cast<GetName>(::dlsym(h, "_get_name"));
  ASSERT_NE(get_name, nullptr);
  char buf[64] = {};
  EXPECT_STREQ(get_name(buf), "VoxTuner V2.52");
  using GetRes = int (*)(int);
  auto get_res = reinterpret_cast<GetRes>(::dlsym(h, "_get_res"));
  ASSERT_NE(get_res, nullptr);
  EXPECT_EQ(get_res(0), 0);
}
