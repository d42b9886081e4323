// The real frame on the socket manager's emulated handset of one chip type;
// the dialogs it shows are noted as "Caption: text".
#pragma once

#include "../../handset/EmulatedHandset.h"
#include "common/gui/DialogBroker.h"
#include "frame/ModuleScope.h"
#include "frame/TFrame1.h"
#include "tests/support/QtApp.h"

namespace vt::testing {

class FrameBench : public EmulatedHandset {
 protected:
  void Open(int chipType) {
    App();
    Start(chipType);
    SetChipType(chipType);
    frame = std::make_unique<frame::TFrame1>();
    broker.OnDialog = [this](const QString& caption, const QString& text, const QString&) {
      dialogs << caption + ": " + text;
    };
  }
  void TearDown() override {
    frame.reset();
    EmulatedHandset::TearDown();
  }
  frame::ScopedFrameModule module;
  ui::DialogBroker broker;
  QStringList dialogs;
  std::unique_ptr<frame::TFrame1> frame;
};

}  // namespace vt::testing
