// The wizards' plot: grid and labels, the filters' curve, the predicted
// response over the pasted spectrum with the mask centred on it, the
// loudness-rating delta, the pointer read-out, and the curves as CSV.
#include <QCheckBox>
#include <QLabel>
#include <QPainter>

#include <cmath>

#include "common/Numbers.h"
#include "common/SafeFile.h"
#include "filters/ThirdOctaveBands.h"
#include "frame/Controls.h"
#include "frame/ToolWindows.h"
#include "telephonometry/Ratings.h"

namespace vt::frame {

namespace {

const QColor kGrid(0xCC, 0xCC, 0xCC), kGridText(0xAA, 0xAA, 0xAA), kMask(0x55, 0, 0);

// A level shown to `digits` decimals, truncated toward zero; "?" without one.
QString Shown(long double v, long double scale) {
  if (!std::isfinite(v) || std::fabs(v) > 1e12L) return "?";
  return QString::fromStdString(FloatToStr(Trunc(v * scale) / scale));
}

}  // namespace

long double TFilterWizard::FilterSum(long double f) const {
  long double sum = display[0]->isChecked() ? fir_.Response(f) : 0;
  for (size_t i = 0; i < iir_.size(); ++i)
    if (display[i + 1]->isChecked()) sum += iir_[i].Response(f);
  return sum;
}

filters::FixedResponse TFilterWizard::Fixed() const {
  return filters::SpectrumResponse(pasted_, iir_);
}

long double TFilterWizard::TotalResponse(long double f) const {
  long double sum = pasted_.At(f) + fir_.Response(f);
  for (const filters::IirSection& s : iir_) sum += s.Response(f);
  return sum;
}

void TFilterWizard::Paint(QPainter& p) {
  filters::PlotMapping& m = plot_;
  const int w = m.width, h = m.height;
  const long double ff = FreqFactor();
  p.fillRect(0, 0, w, h, Qt::white);
  p.setPen(kGrid);
  for (int f : {60, 70, 80, 90, 100, 200, 300, 400, 500, 600, 700, 800, 900, 1000, 2000, 3000})
    p.drawLine(m.XOfFreq(f), 0, m.XOfFreq(f), h);
  // Markers of the band and the section being edited.
  const int k = ScrollBar1->value();
  const long double centre = fir_.tapCount == 47   ? k * 166.67L + 83.33L
                             : fir_.tapCount == 63 ? k * 125 + 62.5L
                                                   : k * 250 + 125;
  p.setPen(Qt::blue);
  p.drawLine(m.XOfFreq(centre), 0, m.XOfFreq(centre), h);
  p.setPen(Qt::green);
  const int f0 = m.XOfFreq(iir_[size_t(Section())].f0);
  p.drawLine(f0, 0, f0, h);
  p.setFont(QFont("Arial", 7));
  p.setPen(kGridText);
  for (int f : {60, 70, 80, 100, 200, 300, 400, 500, 600, 1000, 2000, 3000})
    p.drawText(QRect(m.XOfFreq(f) - 20, 0, 40, h - 1), Qt::AlignHCenter | Qt::AlignBottom,
               QString::fromStdString(FloatToStr(f * ff)));
  p.drawText(QRect(0, 0, w - 3, h - 1), Qt::AlignRight | Qt::AlignBottom, "Hz");

  m.filterAxis = m.FitAxis([this](long double f) { return FilterSum(f); }, filters::kFilterAxisExtra);
  if (hasPasted_)
    m.pastedAxis = m.FitAxis([this](long double f) { return TotalResponse(f); },
                             filters::kPastedAxisExtra);
  for (int y = h / 6, i = 1; y < h - 6; y = h * ++i / 6) {
    p.setPen(kGrid);
    p.drawLine(0, y, w, y);
    p.setPen(kGridText);
    p.drawText(QRect(1, y - 8, 80, 16), Qt::AlignLeft | Qt::AlignVCenter,
               Shown(m.LevelOfY(y), 100) + (i == 1 ? " dB" : ""));
    if (hasPasted_)
      p.drawText(QRect(w - 82, y - 8, 80, 16), Qt::AlignRight | Qt::AlignVCenter,
                 Shown(m.LevelOfY(y, m.pastedAxis), 100) + (i == 1 ? " dB" : ""));
  }
  QPolygon curve;
  filters::BandSpectrum bands;
  for (int x = m.FirstColumn(); x <= m.LastColumn(); ++x) {
    const long double f = m.FreqOfX(x);
    curve << QPoint(x, m.YOfLevel(FilterSum(f)));
    long double all = fir_.Response(f);
    for (const filters::IirSection& s : iir_) all += s.Response(f);
    bands.AddPoint(f, all);
  }
  p.setPen(QPen(Qt::red, 3));
  p.drawPolyline(curve);
  if (!hasPasted_) {
    Label16->setText("N/A");
    margins_.Clear();
  } else {
    const long double first = pasted_.freq.front(), last = pasted_.freq.back();
    QPolygon predicted;
    for (int x = m.XOfFreq(first); x < m.XOfFreq(last); ++x)
      predicted << QPoint(x, m.YOfLevel(TotalResponse(m.FreqOfX(x)), m.pastedAxis));
    p.setPen(QPen(Qt::blue, 3));
    p.drawPolyline(predicted);
    filters::BandSpectrum measured;
    for (size_t j = 0; j < pasted_.size(); ++j) measured.AddPoint(pasted_.freq[j], pasted_.level[j]);
    measured.Add(bands);
    const long double rating = telephonometry::LoudnessRating(
        measured, layout_.kind == filters::Wizard::Downlink ? telephonometry::kReceiveWeights
                                                            : telephonometry::kSendWeights);
    if (takeRef_) {
      refRating_ = rating;
      takeRef_ = false;
    }
    Label16->setText(Shown(rating - refRating_, 10) + "dB");
    margins_ = filters::ComputeMargins(mask_, m, first, last, noFlatness->isChecked(),
                                       [this](long double f) { return TotalResponse(f); });
    p.setPen(QPen(kMask, 1));
    for (const auto* limit : {&mask_.upper, &mask_.lower}) {
      QPolygon line;
      for (auto [x, y] : filters::MaskPolyline(*limit, margins_.offset, m, m.pastedAxis))
        line << QPoint(x, y);
      p.drawPolyline(line);
    }
  }
  p.setPen(Qt::black);
  p.setBrush(Qt::NoBrush);
  p.drawRect(0, 0, w - 1, h - 1);
}

void TFilterWizard::PointerMoved(int x) {
  const filters::PlotMapping& m = plot_;
  const long double f = m.FreqOfX(x);
  QString text = QString::fromStdString(IntToStr(Trunc(f * FreqFactor()))) + "Hz " +
                 Shown(FilterSum(f), 10) + "dB";
  if (hasPasted_ && x > m.XOfFreq(pasted_.freq.front()) && x < m.XOfFreq(pasted_.freq.back()))
    text += " (pasted: " + Shown(TotalResponse(f), 10) + "dB)";
  Label18->setText(text);
}

bool TFilterWizard::SaveCsv(const QString& path) {
  // Per pixel column: the shown filters, and with a pasted spectrum the
  // predicted response and the limits as drawn (shifted by the alignment).
  std::string text = "Hz,filters dB";
  if (hasPasted_) text += ",predicted dB,upper limit dB,lower limit dB";
  text += "\n";
  const filters::PlotMapping& m = plot_;
  auto number = [](long double v) { return std::isfinite(v) ? FloatToStr(Trunc(v * 1000) / 1000.0L) : ""; };
  for (int x = m.FirstColumn(); x <= m.LastColumn(); ++x) {
    const long double f = m.FreqOfX(x);
    text += FloatToStr(Trunc(f * 100) / 100.0L) + "," + number(FilterSum(f));
    if (hasPasted_) {
      const bool inside = f >= pasted_.freq.front() && f <= pasted_.freq.back();
      auto limit = [&](const std::vector<filters::LimitPoint>& l) -> std::string {
        if (l.empty() || f < l.front().freq || f > l.back().freq) return "";
        return number(filters::LimitAt(l, f) - margins_.offset);
      };
      text += "," + (inside ? number(TotalResponse(f)) : std::string()) + "," + limit(mask_.upper) +
              "," + limit(mask_.lower);
    }
    text += "\n";
  }
  std::string error;
  return SaveFile(path.toStdString(), text, &error);
}

}  // namespace vt::frame
