// The voxsockmgr program as scripts start it: its first line names the port,
// it serves the module link, and it ends cleanly on SIGTERM and SIGINT.
#include <gtest/gtest.h>

#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <thread>
#include <vector>

#include "TestClients.h"
#include "handset/ShellLines.h"

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
    if (pid_ > 0 && !exited_ && ::kill(pid_, SIGKILL) == 0) ::waitpid(pid_, nullptr, 0);
    if (fd_ >= 0) ::close(fd_);
  }
  // The port named on the first output line, 0 when there is none.
  int Port(std::string* firstLine, int ms = 5000) {
    while (output_.find('\n') == std::string::npos && ReadSome(ms)) {
    }
    *firstLine = output_.substr(0, output_.find('\n'));
    auto colon = firstLine->rfind(':');
    return colon == std::string::npos ? 0 : std::atoi(firstLine->c_str() + colon + 1);
  }
  void Signal(int sig) { ::kill(pid_, sig); }
  // Exit code, or -1 when it did not end within ms.
  int Wait(int ms = 5000) {
    int status = 0;
    for (int i = 0; i < ms / 10 && !exited_; ++i) {
      exited_ = ::waitpid(pid_, &status, WNOHANG) == pid_;
      if (!exited_) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    while (exited_ && ReadSome(10)) {
    }
    return !exited_ ? -1 : WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  }
  const std::string& Output() const { return output_; }

 private:
  bool ReadSome(int ms) {
    pollfd p{fd_, POLLIN, 0};
    char buf[1024];
    ssize_t n = ::poll(&p, 1, ms) > 0 ? ::read(fd_, buf, sizeof buf) : 0;
    if (n > 0) output_.append(buf, size_t(n));
    return n > 0;
  }

  pid_t pid_ = -1;
  int fd_ = -1;
  bool exited_ = false;
  std::string output_;
};

}  // namespace

TEST(Voxsockmgr, ServesTheEmulatedHandsetAndStopsOnSigterm) {
  std::string log = std::string(VT_BINARY_DIR) + "/voxsockmgr_test.log", first;
  std::remove(log.c_str());
  Process p({"--listen", "127.0.0.1:0", "--chip", "3", "--version", "3.4.6.0", "--log", log});
  int port = p.Port(&first);
  ASSERT_EQ(first.rfind("voxsockmgr listening on 127.0.0.1:", 0), 0u) << first;
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
  vt::SetLinkWaitMs(vt::kDefaultLinkWaitMs);
  p.Signal(SIGTERM);
  EXPECT_EQ(p.Wait(), 0) << p.Output();
  EXPECT_NE(p.Output().find("chip type 3, firmware 3.4.6.0"), std::string::npos) << p.Output();
  EXPECT_NE(vt::testing::ReadBytes(log).find("client 1 to handset bbl shread16 0x0002\\r\\n"),
            std::string::npos);
  std::remove(log.c_str());
}

TEST(Voxsockmgr, StopsOnSigint) {
  Process p({"--listen", "127.0.0.1:0"});
  std::string first;
  ASSERT_GT(p.Port(&first), 0) << p.Output();
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
    EXPECT_GT(p.Wait(), 0) << c.args[0];
    EXPECT_NE(p.Output().find(c.says), std::string::npos) << c.args[0] << ": " << p.Output();
  }
}
