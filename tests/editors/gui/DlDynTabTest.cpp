// The "DL Dyn treatment" tab in the real frame: live status against a socket
// manager that stops answering keeps the event loop turning and stops on a
// tab change; the tuning graph window closes with its page.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTimer>

#include "../../robustness/FaultyServer.h"
#include "../../sockmgr/TestClients.h"
#include "frame/ModuleScope.h"
#include "frame/TFrame1.h"
#include "frame/ToolWindows.h"
#include "handset/Handset.h"
#include "handset/Link.h"
#include "tests/support/QtApp.h"

using namespace vt;
using vt::frame::TFrame1;

namespace {

// The host's side of a wait: it keeps processing its events. The first time
// it is called it posts an event to the frame and notes when that ran.
struct LiveHost : LinkObserver {
  QWidget* target = nullptr;
  QElapsedTimer clock;
  qint64 postedAt = -1, ranAt = -1;
  bool ranWhileWaiting = false;
  int waits = 0;
  bool Waiting(const std::string&, int) override {
    if (postedAt < 0 && target) {
      postedAt = clock.elapsed();
      QMetaObject::invokeMethod(
          target, [this] { ranAt = clock.elapsed(), ranWhileWaiting = LinkWaiting(); },
          Qt::QueuedConnection);
    }
    QCoreApplication::processEvents();
    return true;
  }
  void WaitOver() override { ++waits; }
  void Status(const std::string&) override {}
};

void Spin(int ms, const std::function<bool()>& until = {}) {
  QElapsedTimer t;
  t.start();
  while (t.elapsed() < ms && !(until && until())) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

TEST(DlDynTab, StatusPollOnASilentHandsetKeepsTheFrameAliveAndStopsOnATabChange) {
  vt::testing::App();
  frame::ScopedFrameModule module;
  ResetHandsetState();
  SetChipType(3);
  auto frame = std::make_unique<TFrame1>();
  frame->PageControl1->setCurrentWidget(frame->TabSheet11);  // no link yet: nothing waits
  frame->CheckBox94->setChecked(true);                       // "Noise"

  vt::testing::FaultyServer server(vt::testing::Fault::SilentAfterGreeting);
  vt::testing::ModuleClient client(server.Port());
  LiveHost host;
  host.clock.start();
  client.link.Observer = &host;
  client.link.WaitMs = 600;
  client.Greet();
  SetLink(&client.link);

  host.target = frame.get();
  frame->Button93->click();
  EXPECT_EQ(frame->Button93->text(), "Stop getting status");
  EXPECT_TRUE(frame->Timer1->isActive());
  EXPECT_EQ(frame->Timer1->interval(), 100);
  Spin(3000, [&] { return host.ranAt >= 0 && host.waits > 0; });
  ASSERT_GE(host.postedAt, 0) << "no poll reached the link";
  ASSERT_GE(host.ranAt, 0);
  EXPECT_TRUE(host.ranWhileWaiting);
  EXPECT_LT(host.ranAt - host.postedAt, 200);
  // Ticks kept coming during the wait, but none started a second one, and
  // after the failed wait polls are skipped instead of waiting again.
  Spin(500);
  EXPECT_EQ(host.waits, 1);

  frame->PageControl1->setCurrentIndex(0);  // the tab change stops the timer
  EXPECT_FALSE(frame->Timer1->isActive());
  EXPECT_EQ(frame->Button93->text(), "Start getting status");
  SetLink(nullptr);
}

// The graph's geometry is the core test's and its picture the scripted
// session's; here: leaving the page closes the graph window.
TEST(DlDynTab, TheTuningGraphClosesWithItsPage) {
  vt::testing::App();
  frame::ScopedFrameModule module;
  ResetHandsetState();
  auto frame = std::make_unique<TFrame1>();
  frame::CreateToolWindows(frame.get());
  frame->PageControl1->setCurrentWidget(frame->TabSheet11);
  frame->Button103->click();
  ASSERT_TRUE(frame::Form11->isVisible());
  frame->PageControl1->setCurrentIndex(0);
  EXPECT_FALSE(frame::Form11->isVisible());
  frame::FreeToolWindows();
}

}  // namespace
