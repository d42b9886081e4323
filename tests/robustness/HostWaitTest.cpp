// voxhost's window while the module waits for a silent socket manager: it
// keeps repainting, shows a busy indicator naming the operation after half a
// second, and says in the status bar why the identification did not finish.
#include <gtest/gtest.h>

#include <QStatusBar>
#include <QTimer>

#include <chrono>
#include <memory>

#include "FaultyServer.h"
#include "../support/QtApp.h"
#include "handset/Handset.h"
#include "handset/Link.h"
#include "host/HostWindow.h"

using namespace vt;

namespace {

// Counts the paints of a widget.
struct PaintCounter : QObject {
  int paints = 0;
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Paint) ++paints;
    return false;
  }
};

class HostWait : public ::testing::Test {
 protected:
  void SetUp() override {
    vt::testing::App();
    ResetHandsetState();
    owned = std::make_unique<host::HostWindow>();
    host::HostWindow& window = *owned;
    window.SetLinkWaitMs(1500);
    window.show();
    ASSERT_TRUE(window.ConnectTo(QString("127.0.0.1:%1").arg(server.Port())));
    SetLink(window.Link());
  }
  void TearDown() override {
    SetLink(nullptr);
    owned.reset();
  }
  long long TimedIdentify() {
    auto start = std::chrono::steady_clock::now();
    IdentifyChip();
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count();
  }
  vt::testing::FaultyServer server{vt::testing::Fault::SilentAfterGreeting};
  std::unique_ptr<host::HostWindow> owned;
};

}  // namespace

TEST_F(HostWait, TheWindowStaysAliveAndTellsWhatHappened) {
  host::HostWindow& window = *owned;
  PaintCounter counter;
  window.installEventFilter(&counter);
  QString label;
  // Halfway through the wait: the indicator is up and the window repaints.
  QTimer::singleShot(900, [&] {
    if (auto* busy = window.Activity().Busy()) label = busy->labelText();
    window.update();
  });
  // The longest time the event loop stood still during the wait.
  QTimer tick;
  auto last = std::chrono::steady_clock::now();
  long long stillMs = 0;
  QObject::connect(&tick, &QTimer::timeout, [&] {
    auto now = std::chrono::steady_clock::now();
    stillMs = std::max<long long>(stillMs, std::chrono::duration_cast<std::chrono::milliseconds>(now - last).count());
    last = now;
  });
  tick.start(10);
  long long ms = TimedIdentify();
  tick.stop();
  window.removeEventFilter(&counter);
  std::printf("  wait %lld ms, event loop still for at most %lld ms\n", ms, stillMs);
  EXPECT_LT(stillMs, 200);
  EXPECT_GE(ms, 1400);
  EXPECT_LT(ms, 1500 + 400);
  EXPECT_EQ(label, "Identifying the handset...");
  EXPECT_GT(counter.paints, 0);
  EXPECT_EQ(window.Activity().Busy(), nullptr);  // gone with the wait
  EXPECT_EQ(window.statusBar()->currentMessage(),
            "Handset identification could not finish (Identifying the handset stopped: no answer "
            "from the socket manager within 1500 ms); showing the default layout of the current "
            "chip type");
}
