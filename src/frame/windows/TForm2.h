// "UL filter Wizzard": the uplink equaliser (FIR of 31 taps and four IIR
// sections), its four limit masks and the send loudness rating.
//
// Included by frame/ToolWindows.h inside its namespace: include that header.
#pragma once

class TForm2 : public TFilterWizard {
 public:
  explicit TForm2(QWidget* owner);
};
