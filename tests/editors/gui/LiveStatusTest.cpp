// The status polls in the real frame: against a socket manager that stops
// answering the event loop keeps turning during the one wait and later ticks
// skip instead of waiting again; closing the page or window stops the timer.
// Also the wizard window's send on a user's move and the graph window that
// closes with its page.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QSlider>
#include <QTimer>

#include "FrameBench.h"
#include "frame/ToolWindows.h"
#include "handset/Link.h"

using namespace vt;
using vt::frame::Form3;

namespace {

void Spin(int ms, const std::function<bool()>& until = {}) {
  QElapsedTimer t;
  t.start();
  while (t.elapsed() < ms && !(until && until()))
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

// The host's side of a wait: it keeps processing its events; the first time
// it posts one and notes whether it ran while the wait was still on.
struct LiveHost : LinkObserver {
  bool posted = false, ranWhileWaiting = false;
  int waits = 0;
  bool Waiting(const std::string&, int) override {
    if (!posted) QTimer::singleShot(0, [this] { ranWhileWaiting = LinkWaiting(); });
    posted = true;
    QCoreApplication::processEvents();
    return true;
  }
  void WaitOver() override { ++waits; }
  void Status(const std::string&) override {}
};

// The frame and its tool windows on chip type 3's emulated handset.
struct LiveStatus : vt::testing::FrameBench {
  void SetUp() override {
    Open(3);
    frame::CreateToolWindows(frame.get());
  }
  void TearDown() override {
    SetLink(nullptr);
    frame::FreeToolWindows();
    FrameBench::TearDown();
  }
  // The link to a socket manager that greets and then stays silent.
  void GoSilent(int waitMs) {
    client.link.Observer = &host;
    client.link.WaitMs = waitMs;
    ASSERT_TRUE(server.Accept());
    server.Send("0000->ID_assign 1 0000->Type query ");
    client.Greet();
    SetLink(&client.link);
  }
  vt::testing::ServerEnd server;
  vt::testing::ModuleClient client{server.Port()};
  LiveHost host;
};

// The frame's status timer (its wait on a silent link is the wizard's case
// below): started by the button, stopped by a tab change.
TEST_F(LiveStatus, DownlinkPollStartsAndStopsOnATabChange) {
  frame->PageControl1->setCurrentWidget(frame->TabSheet11);
  frame->CheckBox94->setChecked(true);  // "Noise"
  frame->Button93->click();
  EXPECT_EQ(frame->Button93->text(), "Stop getting status");
  EXPECT_EQ(frame->Timer1->interval(), 100);
  EXPECT_TRUE(frame->Timer1->isActive());
  frame->PageControl1->setCurrentIndex(0);
  EXPECT_FALSE(frame->Timer1->isActive());
  EXPECT_EQ(frame->Button93->text(), "Start getting status");
}

// Launched, the wizard holds the frame and hides what chip type 3 lacks; a
// user's bar move reaches the frame's rows (the lines are the core test's);
// its poll says when the handset is silent; closing stops it and the hold.
TEST_F(LiveStatus, TheWizardSendsAMovePollsASilentHandsetAndStopsOnClose) {
  Form3->Start();
  EXPECT_TRUE(frame->WizardBusy);
  EXPECT_FALSE(Form3->findChild<QSlider*>("TrackBar14")->isVisibleTo(Form3));
  Form3->show();
  Form3->activateWindow();
  auto* bar = Form3->findChild<QSlider*>("TrackBar7");
  bar->setFocus();
  QCoreApplication::processEvents();
  ASSERT_TRUE(bar->hasFocus());
  bar->setValue(20);
  EXPECT_EQ(frame->ValueListEditor9->Values("Cfe_L0"), "2688");

  Form3->PageControl1->setCurrentIndex(3);
  GoSilent(400);
  auto* status = Form3->findChild<QPushButton*>("Button1");
  status->click();
  EXPECT_EQ(status->text(), "Stop getting target status");
  Spin(3000, [&] { return host.waits > 0 && !Form3->LinkStatus->text().isEmpty(); });
  EXPECT_TRUE(host.ranWhileWaiting);
  Spin(400);
  EXPECT_EQ(host.waits, 1);
  EXPECT_EQ(Form3->LinkStatus->text(), "The handset is not answering: status not updated.");
  Form3->close();
  EXPECT_FALSE(Form3->Timer1->isActive());
  EXPECT_EQ(status->text(), "Get target status");
  EXPECT_FALSE(frame->WizardBusy);
}

// The graph's geometry is the core test's and its picture the scripted
// session's; here: leaving the page closes the graph window.
TEST_F(LiveStatus, TheTuningGraphClosesWithItsPage) {
  frame->PageControl1->setCurrentWidget(frame->TabSheet11);
  frame->Button103->click();
  ASSERT_TRUE(frame::Form11->isVisible());
  frame->PageControl1->setCurrentIndex(0);
  EXPECT_FALSE(frame::Form11->isVisible());
}

}  // namespace
