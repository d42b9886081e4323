// The voxsockmgr program as scripts start it: its first line names the port,
// it serves the module link, and it ends cleanly on SIGTERM and SIGINT.
#include <gtest/gtest.h>

#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <sstream>
#include <thread>
#include <vector>

#include "TestClients.h"
#include "target/ShellLines.h"

extern char** environ;

namespace {

const std::string kProgram = std::string(VT_BINARY_DIR) + "/bin/voxsockmgr";

class Process {
 public:
  explicit Process(std::vector<std::string> args) {
    args.insert(args.begin(), kProgram);
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    int out[2];
    if (::pipe(out) != 0) return;
    posix_spawn_file_actions_t fa;
    posix_spawn_file_actions_init(&fa);
    posix_spawn_file_actions_adddup2(&fa, out[1], 1);
    posix_spawn_file_actions_adddup2(&fa, out[1], 2);
    posix_spawn_file_actions_addclose(&fa, out[0]);
    if (posix_spawn(&pid_, kProgram.c_str(), &fa, nullptr, argv.data(), environ) != 0) pid_ = -1;
    posix_spawn_file_actions_destroy(&fa);
    ::close(out[1]);
    fd_ = out[0];
  }
  ~Process() {
    if (pid_ > 0 && !exited_) {
      ::kill(pid_, SIGKILL);
      ::waitpid(pid_, nullptr, 0);
    }
    if (fd_ >= 0) ::close(fd_);
  }
  // Output until a line end (the first line) or until the program ends.
  std::string FirstLine(int ms = 5000) {
    while (output_.find('\n') == std::string::npos && ReadSome(ms)) {
    }
    return output_.substr(0, output_.find('\n'));
  }
  bool ReadSome(int ms) {
    pollfd p{fd_, POLLIN, 0};
    if (::poll(&p, 1, ms) <= 0) return false;
    char buf[1024];
    ssize_t n = ::read(fd_, buf, sizeof buf);
    if (n <= 0) return false;
    output_.append(buf, size_t(n));
    return true;
  }
  void Signal(int sig) { ::kill(pid_, sig); }
  // Exit code, or -1 when it did not end within ms.
  int Wait(int ms = 5000) {
    for (int i = 0; i < ms / 10; ++i) {
      int status = 0;
      if (::waitpid(pid_, &status, WNOHANG) == pid_) {
        exited_ = true;
        while (ReadSome(10)) {
        }
        return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return -1;
  }
  const std::string& Output() const { return output_; }

 private:
  pid_t pid_ = -1;
  int fd_ = -1;
  bool exited_ = false;
  std::string output_;
};

int PortOf(const std::string& firstLine) {
  auto colon = firstLine.rfind(':');
  return colon == std::string::npos ? 0 : std::atoi(firstLine.c_str() + colon + 1);
}

}  // namespace

TEST(Voxsockmgr, ServesTheEmulatedHandsetAndStopsOnSigterm) {
  std::string log = std::string(VT_BINARY_DIR) + "/voxsockmgr_test.log";
  std::remove(log.c_str());
  Process p({"--listen", "127.0.0.1:0", "--chip", "3", "--version", "3.4.6.0", "--log", log});
  std::string first = p.FirstLine();
  ASSERT_EQ(first.rfind("voxsockmgr listening on 127.0.0.1:", 0), 0u) << first;
  int port = PortOf(first);
  ASSERT_GT(port, 0);
  vt::SetLinkWaitMs(3000);
  {
    vt::testing::ModuleClient module(port);
    module.Greet();
    EXPECT_EQ(module.link.ClientId, 1);
    EXPECT_EQ(vt::ParseColonValue(module.Query("bbl shread16 0x0001\r\n")), 0x0303);
    EXPECT_EQ(vt::ParseColonValue(module.Query("bbl shread16 0x0002\r\n")), 0x6004);
    std::string refused = module.Query("bbl aurdm 8 41\r\n");
    EXPECT_NE(refused.find("call to an API failed"), std::string::npos);
  }
  vt::SetLinkWaitMs(100000);
  p.Signal(SIGTERM);
  EXPECT_EQ(p.Wait(), 0) << p.Output();
  EXPECT_NE(p.Output().find("chip type 3, firmware 3.4.6.0"), std::string::npos) << p.Output();
  std::ifstream in(log);
  std::stringstream text;
  text << in.rdbuf();
  EXPECT_NE(text.str().find("client 1 to handset bbl shread16 0x0002\\r\\n"), std::string::npos);
  std::remove(log.c_str());
}

TEST(Voxsockmgr, StopsOnSigint) {
  Process p({"--listen", "127.0.0.1:0"});
  ASSERT_GT(PortOf(p.FirstLine()), 0) << p.Output();
  p.Signal(SIGINT);
  EXPECT_EQ(p.Wait(), 0) << p.Output();
}

TEST(Voxsockmgr, BadOptionsEndWithAMessage) {
  struct Case {
    std::vector<std::string> args;
    std::string says;
  } cases[] = {
      {{"--chip", "2"}, "--chip"},
      {{"--version", "3.4"}, "A.B.C.D"},
      {{"--listen", "nonsense"}, "HOST:PORT"},
      {{"--listen", "127.0.0.1:99999"}, "HOST:PORT"},
      {{"--serial", "/dev/no-such-tty"}, "/dev/no-such-tty"},
      {{"--serial", "/dev/no-such-tty", "--emulate"}, "excludes"},
      {{"--listen", "no.such.host.invalid:0"}, "no.such.host.invalid"},
  };
  for (auto& c : cases) {
    Process p(c.args);
    int code = p.Wait();
    EXPECT_GT(code, 0) << c.args[0];
    EXPECT_NE(p.Output().find(c.says), std::string::npos) << c.args[0] << ": " << p.Output();
  }
}
