// The wizards' handlers: opening on the frame's words, the band and section
// scroll bars, pasting a spectrum, the masks, and "OK".
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include <cmath>

#include "common/Numbers.h"
#include "common/gui/Dialogs.h"
#include "filters/PastedSpectrum.h"
#include "frame/Controls.h"
#include "frame/ToolWindows.h"

namespace vt::frame {

namespace {

constexpr const char* kFirError = "Cannot make a fixed point implementation of this FIR";
constexpr const char* kIirError = "Cannot make a fixed point implementation of this IIR";

QString Text(const std::string& s) { return QString::fromStdString(s); }

// A scroll-bar position worked out from a parameter; a parameter without a
// finite value leaves the bar where it is.
void SetPosition(QScrollBar* bar, long double x) {
  if (std::isfinite(x) && std::fabs(x) < 1e9L) bar->setValue(int(Trunc(x)));
}

}  // namespace

bool TFilterWizard::Edit(WizardWords& words) {
  Open(words);
  exec();
  if (!okPressed) return false;
  // "OK" checked the words already; a close box after an earlier "OK" has not.
  std::string error;
  std::optional<filters::FirRowWords> rows = filters::WriteFirWords(fir_, &error);
  if (!rows) {
    ui::Dialogs::Instance().Error(Text(error));
    return false;
  }
  long double largest = 0;
  for (int i = 0; i < fir_.tapCount; ++i) largest = std::max(largest, std::fabs(fir_.taps[i]));
  words.firRows = *rows;
  words.unitGain = largest < 1;
  words.iir.clear();
  for (const filters::IirSection& s : iir_) words.iir.push_back(s.Words());
  return true;
}

void TFilterWizard::Open(const WizardWords& words) {
  filters::ReadFirWords(fir_, words.tapCount, words.fir, words.gain);
  for (size_t i = 0; i < iir_.size() && i < words.iir.size(); ++i) {
    const auto& w = words.iir[i];
    iir_[i] = filters::ReadIirWords({w[0], w[1], w[2], w[3], w[4]});
  }
  hasPasted_ = false;
  takeRef_ = false;
  pasted_ = {};
  margins_.Clear();
  autoCorrect->setEnabled(false);
  ScrollBar1->setMaximum(fir_.tapCount / 2);
  ScrollBar1->setValue(0);
  SetPosition(ScrollBar2, fir_.levels[0] * 10 + 200);
  UpdateFrequencyLabels();
  Label4->setText(Text(FloatToStr((ScrollBar2->value() - 200) * 0.1L)) + "dB");
  if (sectionRadios[0]->isChecked())
    SectionSelect();
  else
    sectionRadios[0]->setChecked(true);
  Label16->setText("N/A");
  PaintBox1->update();
}

long double TFilterWizard::FreqFactor() const {
  return CheckBox6 && CheckBox6->isChecked() ? 5.0L : 1.0L;
}

int TFilterWizard::Section() const {
  for (size_t i = 0; i < sectionRadios.size(); ++i)
    if (sectionRadios[i]->isChecked()) return int(i);
  return 0;
}

void TFilterWizard::UpdateFrequencyLabels() {
  const int k = ScrollBar1->value();
  const long double ff = FreqFactor();
  std::string band;
  if (fir_.tapCount == 47)
    band = IntToStr(Trunc((k * 166.67L + 83.33L) * ff));
  else if (fir_.tapCount == 63)
    band = IntToStr(Trunc((k * 125 + 62.5L) * ff));
  else
    band = FloatToStr((k * 250 + 125) * ff);
  Label2->setText(Text(band) + "Hz");
  sectionLabels[3]->setText(Text(FloatToStr(sectionBars[3]->value() * ff)) + "Hz");
}

void TFilterWizard::ScrollBar1Change() {
  UpdateFrequencyLabels();
  ScrollBar2->setValue(int(RoundHalfToZero(fir_.levels[ScrollBar1->value()] * 10 + 200)));
  PaintBox1->update();
}

void TFilterWizard::ScrollBar2Change() {
  const long double v = (ScrollBar2->value() - 200) * 0.1L;
  Label4->setText(Text(FloatToStr(v)) + "dB");
  fir_.levels[ScrollBar1->value()] = v;
  if (!fir_.Design()) ui::Dialogs::Instance().Error(kFirError);
  PaintBox1->update();
}

void TFilterWizard::FirFlatClick() {
  fir_.Flat();
  PaintBox1->update();
  ScrollBar2->setValue(200);
  Label4->setText("0dB");
}

void TFilterWizard::SectionSelect() {
  const filters::IirSection s = iir_[size_t(Section())];
  SetPosition(sectionBars[0], s.gainLf <= 0 ? 0 : 200 * log10l(s.gainLf) + 200);
  SetPosition(sectionBars[1], 200 * log10l(s.gainF0) + 200);
  SetPosition(sectionBars[2], 200 * log10l(s.gainHf) + 200);
  SetPosition(sectionBars[3], s.f0);
  SetPosition(sectionBars[4], s.m * 100);
  PaintBox1->update();
}

void TFilterWizard::SectionChange(int which) {
  filters::IirSection& s = iir_[size_t(Section())];
  const int pos = sectionBars[which]->value();
  const long double v = pos * 0.1L - 20;
  switch (which) {
    case 0:
      s.gainLf = pos == 0 ? 0 : powl(10, 0.05L * v);
      sectionLabels[0]->setText(pos == 0 ? QString("-inf dB") : Text(FloatToStr(v)) + "dB");
      break;
    case 1:
    case 2:
      (which == 1 ? s.gainF0 : s.gainHf) = powl(10, 0.05L * v);
      sectionLabels[which]->setText(Text(FloatToStr(v)) + "dB");
      break;
    case 3:
      s.f0 = pos;
      sectionLabels[3]->setText(Text(FloatToStr(pos * FreqFactor())) + "Hz");
      break;
    default:
      s.m = pos * 0.01L;
      sectionLabels[4]->setText(Text(FloatToStr(s.m)));
  }
  if (!s.Design()) ui::Dialogs::Instance().Error(kIirError);
  PaintBox1->update();
}

void TFilterWizard::SectionFlatClick() {
  for (int i = 0; i < 3; ++i) sectionBars[i]->setValue(200);
  sectionBars[3]->setValue(1000);
  sectionBars[4]->setValue(100);
}

void TFilterWizard::PasteClick() {
  const std::string text = QApplication::clipboard()->text().toStdString();
  const filters::PastedSpectrum read = filters::ParsePastedSpectrum(text);
  auto& dialogs = ui::Dialogs::Instance();
  if (read.points.empty()) {
    const std::string why = read.bad.empty() ? "The clipboard holds no text."
                                             : filters::LeftOutMessage(read);
    dialogs.Error(Text("No spectrum was pasted: the clipboard holds no frequency/level pairs "
                       "(one pair a line, frequencies ascending).\n" + why));
    return;
  }
  pasted_ = {};
  for (size_t j = 0; j < read.points.size(); ++j) {
    const long double f = read.points.freq[j], level = read.points.level[j];
    long double filt = 0;
    if (CheckBox2->isChecked()) {
      filt = fir_.Response(f);
      for (const filters::IirSection& s : iir_) filt += s.Response(f);
    }
    pasted_.Add(f, (CheckBox1->isChecked() ? level : 20 * log10l(level)) - filt);
  }
  hasPasted_ = true;
  takeRef_ = true;
  autoCorrect->setEnabled(true);
  PaintBox1->update();
  if (!read.bad.empty()) dialogs.Warning(Text(filters::LeftOutMessage(read)));
}

void TFilterWizard::MaskClick(int index) {
  const std::vector<std::string> names = filters::MaskNames(layout_.kind);
  if (auto m = filters::FindMask(layout_.kind, names[size_t(index)])) mask_ = *m;
  PaintBox1->update();
}

void TFilterWizard::OkClick() {
  std::string error;
  if (!filters::WriteFirWords(fir_, &error)) {
    ui::Dialogs::Instance().Error(Text(error));
    return;  // stays open: nothing is written
  }
  okPressed = true;
  accept();
}

}  // namespace vt::frame
