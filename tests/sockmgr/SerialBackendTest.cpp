// The serial back end against a pseudo-terminal whose other end plays a
// handset: it echoes each line, answers it and shows its prompt.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "tests/support/Peers.h"
#include "sockmgr/server/Server.h"
#include "handset/ShellLines.h"

using vt::sockmgr::HandsetEmulator;
using vt::sockmgr::SerialBackend;
using vt::sockmgr::SerialOptions;
using vt::sockmgr::Server;
using Clock = std::chrono::steady_clock;

namespace {

class FakeHandset {
 public:
  enum class Style { Prompt, SplitNoPrompt, Silent };

  explicit FakeHandset(Style style) : style_(style), emu_(3) {
    char name[256] = {};
    if (::openpty(&master_, &slave_, name, nullptr, nullptr) != 0) return;
    device_ = name;
    thread_ = std::thread([this] { Run(); });
  }
  ~FakeHandset() {
    stop_ = true;
    if (thread_.joinable()) thread_.join();
    if (master_ >= 0) ::close(master_);
    if (slave_ >= 0) ::close(slave_);
  }
  const std::string& Device() const { return device_; }
  HandsetEmulator& Emulator() { return emu_; }
  SerialOptions Options(const std::string& prompt = "Q7xx> ", int quietGapMs = 50) const {
    SerialOptions o;
    o.device = device_;
    o.prompt = prompt;
    o.quietGapMs = quietGapMs;
    return o;
  }
  void Write(const std::string& text) {
    for (ssize_t done = 0, n = 0; done < ssize_t(text.size()); done += n)
      if ((n = ::write(master_, text.data() + done, text.size() - size_t(done))) <= 0) return;
  }

 private:
  void Run() {
    std::string pending;
    while (!stop_) {
      pollfd p{master_, POLLIN, 0};
      if (::poll(&p, 1, 20) <= 0 || !(p.revents & POLLIN)) continue;
      char buf[512];
      ssize_t n = ::read(master_, buf, sizeof buf);
      if (n <= 0) continue;
      pending.append(buf, size_t(n));
      size_t end;
      while ((end = pending.find("\r\n")) != std::string::npos) {
        std::string line = pending.substr(0, end + 2);
        pending.erase(0, end + 2);
        if (style_ == Style::Silent) continue;
        std::string answer = emu_.Execute(line);
        Write(line);  // the shell's echo
        if (style_ == Style::Prompt) {
          Write(answer + "Q7xx> ");
        } else {
          Write(answer.substr(0, 10));
          std::this_thread::sleep_for(std::chrono::milliseconds(20));
          Write(answer.substr(10));
        }
      }
    }
  }

  Style style_;
  HandsetEmulator emu_;
  int master_ = -1, slave_ = -1;
  std::string device_;
  std::thread thread_;
  std::atomic<bool> stop_{false};
};

long long MsSince(Clock::time_point t0) {
  return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - t0).count();
}

}  // namespace

// Without a prompt a quiet gap ends the answer (not the pause inside it), a
// silent handset the time-out; stale input is not taken for the answer.
TEST(SerialBackend, QuietGapTimeOutAndStaleInput) {
  FakeHandset split(FakeHandset::Style::SplitNoPrompt);
  SerialBackend serial(split.Options("", 150));
  auto t0 = Clock::now();
  EXPECT_EQ(serial.Execute("bbl aurdb 4 138\r\n", 3000), "bbl aurdb 4 138\r\naurdb [4 138] 0xD090\r\n");
  EXPECT_GE(MsSince(t0), 150);
  EXPECT_LT(MsSince(t0), 1500);

  FakeHandset silent(FakeHandset::Style::Silent);
  SerialBackend serial1(silent.Options(""));
  t0 = Clock::now();
  EXPECT_EQ(serial1.Execute("bbl peek 1\r\n", 200), "");
  EXPECT_GE(MsSince(t0), 190);
  EXPECT_LT(MsSince(t0), 1500);

  FakeHandset chatty(FakeHandset::Style::Prompt);
  SerialBackend serial2(chatty.Options());
  chatty.Write("boot messages nobody asked for\r\n");
  std::this_thread::sleep_for(std::chrono::milliseconds(100));
  std::string answer = serial2.Execute("bbl peek 4168\r\n", 2000);
  EXPECT_EQ(answer.find("boot"), std::string::npos) << answer;
  EXPECT_EQ(answer.rfind("bbl peek 4168\r\npeek [4168]: 0x", 0), 0u) << answer;
}

TEST(SerialBackend, PromptEndsTheAnswerAndTheServerCarriesTheModuleLines) {
  vt::SetLinkWaitMs(5000);
  FakeHandset handset(FakeHandset::Style::Prompt);
  ASSERT_FALSE(handset.Device().empty());
  // A long quiet gap: only the prompt can end an answer early.
  auto serial = std::make_unique<SerialBackend>(handset.Options("Q7xx> ", 2000));
  EXPECT_EQ(serial->Describe(), "serial handset on " + handset.Device() + " at 115200 baud");
  auto t0 = Clock::now();
  std::string answer = serial->Execute("bbl shread16 0x0001\r\n", 3000);
  EXPECT_LT(MsSince(t0), 1000);
  EXPECT_EQ(answer, "bbl shread16 0x0001\r\nshread16 [0x0001]: 0x0303\r\nQ7xx> ");
  EXPECT_EQ(vt::ParseColonValue(answer), 0x0303);  // the echo does not disturb the parser

  Server server({}, std::move(serial));
  server.Start();
  EXPECT_THROW(server.Emulator(), std::logic_error);
  vt::testing::ModuleClient module(server.Port());
  module.Greet();
  module.Query("bbl auwrm 5 3 160\r\n");
  EXPECT_EQ(handset.Emulator().WrittenWord(5, 3), 160);
  EXPECT_EQ(vt::ParseBracketValue(module.Query("bbl aurdb 6 11\r\n")), 883);
  EXPECT_EQ(vt::ParseColonValue(module.Query("bbl shread16 0x0002\r\n")), 0x8004);
  EXPECT_EQ(handset.Emulator().Lines().back(), "bbl shread16 0x0002");
  server.Stop();
  vt::SetLinkWaitMs(vt::kDefaultLinkWaitMs);
}
