// The built libvoxtuner.so exports exactly the eight functions, and a host
// can resolve and call them by name.
#include <gtest/gtest.h>

#include <dlfcn.h>

#include <cstdio>
#include <set>
#include <string>

TEST(SharedLibrary, ExportsExactlyTheEightFunctionsAndNamesItselfOnLoading) {
  const std::string library = std::string(VT_BINARY_DIR) + "/bin/libvoxtuner.so";
  FILE* p = ::popen(("nm -D --defined-only '" + library + "'").c_str(), "r");
  ASSERT_NE(p, nullptr);
  std::set<std::string> functions;
  char line[1024];
  while (std::fgets(line, sizeof line, p)) {
    char addr[64], type[8], name[900];
    if (std::sscanf(line, "%63s %7s %899s", addr, type, name) == 3 && std::string(type) == "T")
      functions.insert(name);
  }
  ASSERT_EQ(::pclose(p), 0);
  EXPECT_EQ(functions, (std::set<std::string>{"_create_frame", "_delete_frame",
                                              "_set_socket_manager", "_set_shift", "_get_res",
                                              "_init_module", "_get_name", "_set_inifile"}));
  void* h = ::dlopen(library.c_str(), RTLD_NOW | RTLD_LOCAL);
  ASSERT_NE(h, nullptr) << ::dlerror();
  auto get_name = reinterpret_cast<char* (*)(char*)>(::dlsym(h, "_get_name"));
  ASSERT_NE(get_name, nullptr);
  char buf[64] = {};
  EXPECT_STREQ(get_name(buf), "VoxTuner V2.52");
}
