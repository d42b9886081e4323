// The voxsockmgr program as scripts start it: its first line names the port,
// it serves the module link, and it ends cleanly on SIGTERM and SIGINT.
#include <gtest/gtest.h>

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>

#include "tests/support/Peers.h"
#include "tests/support/Files.h"
#include "handset/ShellLines.h"

namespace {

// The program started by a shell that first prints its pid, then execs it.
class Process {
 public:
  explicit Process(const std::string& args)
      : pipe_(::popen(("echo $$; exec " VT_BINARY_DIR "/bin/voxsockmgr " + args + " 2>&1").c_str(),
                      "r")) {
    pid_ = std::atoi(Line().c_str());
  }
  ~Process() {
    if (pipe_ && pid_ > 0) ::kill(pid_, SIGKILL);
    if (pipe_) ::pclose(pipe_);
  }
  // The next line of output; what came before a 5 s silence or the end.
  std::string Line() {
    std::string line;
    pollfd p{pipe_ ? ::fileno(pipe_) : -1, POLLIN, 0};
    for (char c = 0; c != '\n' && ::poll(&p, 1, 5000) == 1; line += c) {
      if (::read(p.fd, &c, 1) != 1) {
        ended_ = true;
        break;
      }
    }
    return line;
  }
  int Port() {
    std::string first = output_ = Line();
    return first.rfind("voxsockmgr listening on 127.0.0.1:", 0) == 0 ? std::atoi(&first[34]) : 0;
  }
  void Signal(int sig) { ::kill(pid_, sig); }
  // Exit code once the program has closed its output; -1 when it did not.
  int Wait() {
    for (std::string line; !(line = Line()).empty();) output_ += line;
    if (!ended_) ::kill(pid_, SIGKILL);
    int status = ::pclose(pipe_);
    pipe_ = nullptr;
    return !ended_ ? -1 : WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  }
  const std::string& Output() const { return output_; }

 private:
  FILE* pipe_;
  int pid_ = 0;
  bool ended_ = false;
  std::string output_;
};

}  // namespace

TEST(Voxsockmgr, ServesTheEmulatedHandsetAndStopsOnSigtermOrSigint) {
  std::string log = std::string(VT_BINARY_DIR) + "/voxsockmgr_test.log";
  std::remove(log.c_str());
  Process p("--listen 127.0.0.1:0 --chip 3 --version 3.4.6.0 --log " + log);
  int port = p.Port();
  ASSERT_GT(port, 0) << p.Output();
  vt::SetLinkWaitMs(3000);
  {
    vt::testing::ModuleClient module(port);
    module.Greet();
    EXPECT_EQ(module.link.ClientId, 1);
    EXPECT_EQ(vt::ParseColonValue(module.Query("bbl shread16 0x0002\r\n")), 0x6004) << "--chip 3 --version 3.4.6.0";
  }
  vt::SetLinkWaitMs(vt::kDefaultLinkWaitMs);
  p.Signal(SIGTERM);
  EXPECT_EQ(p.Wait(), 0) << p.Output();
  Process q("--listen 127.0.0.1:0");
  ASSERT_GT(q.Port(), 0) << q.Output();
  q.Signal(SIGINT);
  EXPECT_EQ(q.Wait(), 0) << q.Output();
  EXPECT_NE(p.Output().find("chip type 3, firmware 3.4.6.0"), std::string::npos) << p.Output();
  EXPECT_NE(vt::testing::ReadBytes(log).find("client 1 to handset bbl shread16 0x0002\\r\\n"),
            std::string::npos);
  std::remove(log.c_str());
}

TEST(Voxsockmgr, BadOptionsEndWithAMessage) {
  const std::pair<const char*, const char*> cases[] = {
      {"--chip 2", "--chip"},
      {"--version 3.4", "A.B.C.D"},
      {"--listen 127.0.0.1:99999", "HOST:PORT"},
      {"--serial /dev/no-such-tty", "/dev/no-such-tty"},
      {"--serial /dev/no-such-tty --emulate", "excludes"},
  };
  for (const auto& [args, says] : cases) {
    Process p(args);
    EXPECT_GT(p.Wait(), 0) << args;
    EXPECT_NE(p.Output().find(says), std::string::npos) << args << ": " << p.Output();
  }
}
