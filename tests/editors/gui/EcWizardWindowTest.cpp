// The echo-canceller wizard window on the real frame: launched, a user's bar
// move sends its changed rows alone, closing ends changed-rows mode; live
// status against a handset that stops answering keeps the window alive, says
// so, and stops at once when the window closes.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QSlider>
#include <QTimer>

#include "../../handset/EmulatedHandset.h"
#include "../../robustness/FaultyServer.h"
#include "../../sockmgr/TestClients.h"
#include "frame/ModuleScope.h"
#include "frame/TFrame1.h"
#include "frame/ToolWindows.h"
#include "handset/Link.h"
#include "tests/support/QtApp.h"

using namespace vt;
using vt::frame::Form3;
using vt::frame::TFrame1;

namespace {

void Spin(int ms, const std::function<bool()>& until = {}) {
  QElapsedTimer t;
  t.start();
  while (t.elapsed() < ms && !(until && until()))
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

QSlider* Bar(const char* name) { return Form3->findChild<QSlider*>(name); }

class EcWizardWindow : public vt::testing::EmulatedHandset {
 protected:
  frame::ScopedFrameModule module;
};

TEST_F(EcWizardWindow, LaunchSendAndClose) {
  vt::testing::App();
  Start(3);
  auto f = std::make_unique<TFrame1>();
  frame::CreateToolWindows(f.get());
  Form3->Start();
  EXPECT_TRUE(f->WizardBusy);
  EXPECT_TRUE(f->CheckBox18->isChecked() && f->CheckBox21->isChecked() && f->CheckBox25->isChecked());
  EXPECT_FALSE(Bar("TrackBar14")->isVisibleTo(Form3));  // no open-loop detector on chip type 3
  Form3->show();
  Form3->activateWindow();
  Form3->findChild<QPushButton*>("Button2")->click();  // RESTART EC: every row once
  Mark();
  Form3->PageControl1->setCurrentIndex(0);
  Bar("TrackBar7")->setFocus();
  QCoreApplication::processEvents();
  ASSERT_TRUE(Bar("TrackBar7")->hasFocus());
  Bar("TrackBar7")->setValue(20);  // the focused bar's rows go out (lines: the core test)
  EXPECT_EQ(Lines().front(), "bbl auwrm 4 149 2688");
  EXPECT_EQ(f->ValueListEditor9->Values("Cfe_L0"), "2688");
  Form3->close();
  EXPECT_FALSE(f->WizardBusy);
  frame::FreeToolWindows();
}

// The host keeps its events flowing during a wait and notes whether a
// queued event ran meanwhile.
struct LiveHost : LinkObserver {
  bool ranDuringWait = false, posted = false;
  int waits = 0;
  bool Waiting(const std::string&, int) override {
    if (!posted) {
      posted = true;
      QTimer::singleShot(0, [this] { ranDuringWait = LinkWaiting(); });
    }
    QCoreApplication::processEvents();
    return true;
  }
  void WaitOver() override { ++waits; }
  void Status(const std::string&) override {}
};

TEST(EcWizardStatus, ASilentHandsetLeavesTheWindowUsableAndClosingStopsTheTimer) {
  vt::testing::App();
  frame::ScopedFrameModule module;
  ResetHandsetState();
  SetChipType(3);
  auto f = std::make_unique<TFrame1>();
  frame::CreateToolWindows(f.get());
  Form3->Start();  // no link yet: nothing waits
  Form3->show();
  Form3->PageControl1->setCurrentIndex(3);

  vt::testing::FaultyServer server(vt::testing::Fault::SilentAfterGreeting);
  vt::testing::ModuleClient client(server.Port());
  LiveHost host;
  client.link.Observer = &host;
  client.link.WaitMs = 400;
  client.Greet();
  SetLink(&client.link);

  auto* status = Form3->findChild<QPushButton*>("Button1");
  status->click();
  EXPECT_EQ(status->text(), "Stop getting target status");
  Spin(3000, [&] { return host.waits > 0 && !Form3->LinkStatus->text().isEmpty(); });
  EXPECT_TRUE(host.ranDuringWait);
  Spin(400);
  EXPECT_EQ(host.waits, 1);  // later ticks skip instead of waiting again
  EXPECT_EQ(Form3->LinkStatus->text(), "The handset is not answering: status not updated.");
  Form3->close();
  EXPECT_FALSE(Form3->Timer1->isActive());
  EXPECT_EQ(status->text(), "Get target status");
  EXPECT_FALSE(f->WizardBusy);
  SetLink(nullptr);
  frame::FreeToolWindows();
}

}  // namespace
