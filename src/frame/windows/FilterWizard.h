// What the downlink and uplink filter wizards share: the FIR band levels and
// the IIR sections moved with scroll bars, the combined response drawn over a
// log-frequency plot, a pasted measured spectrum with the predicted response,
// the limit mask centred on it and the loudness-rating change since the
// paste, and "FIR auto correct" run off the GUI thread behind the
// "AutoCorrect" progress window. The frame hands in the coefficient words and
// takes back the new ones when the wizard closes with "OK".
//
// Included by frame/ToolWindows.h inside its namespace, after TToolWindow:
// include that header, not this one.
#pragma once

// The coefficient words a wizard opens on and, after "OK", closes with.
struct WizardWords {
  int tapCount = 31;                            // 31, 47 or 63
  std::vector<long long> fir;                   // a0..a31
  long long gain = 4096;                        // Q12
  std::vector<std::array<long long, 5>> iir;    // per section a0, a1, a2, b1, b2
  // After "OK": the FIR rows to write and whether the gain row is "0x1000".
  filters::FirRowWords firRows;
  bool unitGain = true;
};

// The captions and control names that differ between the two wizards.
struct WizardLayout {
  filters::Wizard kind;
  const char* name;             // "Form1"
  const char* caption;          // "DL filter Wizzard"
  const char* ratingCaption;    // "Delta on RLR:"
  int sections;                 // 2 or 4
  bool has40k;                  // "Design for 40ks/s filtering"
  const char* sectionFlat;      // "Button6"
  const char* autoCorrect;      // "Button5"
  const char* noFlatness;       // "CheckBox7"
  int firstMaskRadio;           // 3
};

class TFilterWizard : public TToolWindow {
 public:
  TFilterWizard(QWidget* owner, const WizardLayout& layout);
  ~TFilterWizard() override;

  // Opens modally on the words; true, with words.firRows and words.iir set to
  // what is to be written back, when closed with "OK".
  bool Edit(WizardWords& words);
  bool okPressed = false;

  // The plot as PNG, and its curves as CSV (one line per pixel column).
  bool SaveCsv(const QString& path);

  // Controls named as in the designed forms.
  QWidget* PaintBox1 = nullptr;
  TScrollBar* ScrollBar1 = nullptr;  // band
  TScrollBar* ScrollBar2 = nullptr;  // level
  TScrollBar* sectionBars[5] = {};   // ScrollBar3..7: Gain LF, Gain F0, Gain HF, F0, m
  QLabel* Label2 = nullptr;          // band frequency
  QLabel* Label4 = nullptr;          // level
  QLabel* sectionLabels[5] = {};     // Label5, Label8, Label10, Label12, Label14
  QLabel* Label16 = nullptr;         // loudness-rating delta
  QLabel* Label18 = nullptr;         // value at pointer
  QPushButton* Button1 = nullptr;    // "Paste measured spectrum"
  QPushButton* Button2 = nullptr;    // FIR "Flat"
  QPushButton* Button3 = nullptr;    // "OK"
  QPushButton* Button4 = nullptr;    // "Cancel"
  QPushButton* sectionFlat = nullptr;
  QPushButton* autoCorrect = nullptr;
  QCheckBox* CheckBox1 = nullptr;    // "Spectrum level is dB"
  QCheckBox* CheckBox2 = nullptr;    // measured with the actual filters
  QCheckBox* CheckBox6 = nullptr;    // 40 ks/s labels (DL only)
  QCheckBox* noFlatness = nullptr;
  std::vector<QCheckBox*> display;   // "FIR", "IIR0", ...
  std::vector<QRadioButton*> sectionRadios;
  std::vector<QRadioButton*> maskRadios;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void reject() override;

 private:
  // Controls (FilterWizard.cpp).
  void BuildControls();
  QWidget* BuildFirGroup();
  QWidget* BuildIirGroup();
  QWidget* BuildPasteGroup();
  QWidget* BuildDisplayGroup();
  QWidget* BuildMaskGroup();
  // Handlers (WizardHandlers.cpp).
  void Open(const WizardWords& words);
  void ScrollBar1Change();
  void ScrollBar2Change();
  void FirFlatClick();
  void SectionSelect();
  void SectionChange(int which);
  void SectionFlatClick();
  void PasteClick();
  void MaskClick(int index);
  void OkClick();
  void UpdateFrequencyLabels();
  int Section() const;
  long double FreqFactor() const;
  // Plot (WizardPlot.cpp).
  void Paint(QPainter& p);
  void PointerMoved(int x);
  long double FilterSum(long double f) const;
  long double TotalResponse(long double f) const;
  filters::FixedResponse Fixed() const;
  // Auto-correction (WizardAutoCorrect.cpp).
  void AutoCorrectClick();
  void PollRun();
  void CancelRun();
  void SetEditing(bool on);

  WizardLayout layout_;
  filters::FirDesign fir_;
  std::vector<filters::IirSection> iir_;
  filters::LimitMask mask_;
  filters::MaskMargins margins_;
  filters::Spectrum pasted_;
  bool hasPasted_ = false;
  long double refRating_ = 0;
  bool takeRef_ = false;
  filters::PlotMapping plot_;
  WizardWords* words_ = nullptr;
  struct Run;
  struct RunDeleter {
    void operator()(Run* run) const;
  };
  std::unique_ptr<Run, RunDeleter> run_;  // the auto-correction in progress
  QTimer* runTimer_ = nullptr;
};
