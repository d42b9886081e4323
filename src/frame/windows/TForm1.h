// "DL filter Wizzard": the downlink equaliser (FIR of 31, 47 or 63 taps and
// two IIR sections), its six limit masks and the receive loudness rating.
//
// Included by frame/ToolWindows.h inside its namespace: include that header.
#pragma once

class TForm1 : public TFilterWizard {
 public:
  explicit TForm1(QWidget* owner);
};
