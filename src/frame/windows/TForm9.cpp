#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

#include <algorithm>
#include <type_traits>

#include "common/gui/Dialogs.h"
#include "frame/CalibrationUi.h"
#include "frame/ToolWindows.h"
#include "telephonometry/WaveBench.h"

namespace vt::frame {

namespace {

using telephonometry::WaveGroup;

WaveGroup GroupOf(int index) { return static_cast<WaveGroup>(index); }

template <class T>
T* Make(QWidget* parent, const char* name, const QString& text = {}) {
  auto* w = new T(parent);
  w->setObjectName(name);
  if constexpr (std::is_base_of_v<QAbstractButton, T> || std::is_same_v<T, QLabel>) w->setText(text);
  return w;
}

QScrollBar* MakeScrollBar(QWidget* parent, const char* name) {
  auto* s = Make<QScrollBar>(parent, name);
  s->setOrientation(Qt::Horizontal);
  s->setRange(0, 100);
  s->setValue(50);
  s->setPageStep(10);
  s->setMinimumWidth(200);
  return s;
}

}  // namespace

// The controls of one group, by the group's index (WaveGroup order).
struct TForm9::Group {
  QPushButton* start;
  QScrollBar* scroll;
  QLabel* level;       // the scroll bar's label
  QLabel* fileLevel;   // players only
  QCheckBox* looped;   // players only
  QCheckBox* pause;

  static Group Of(TForm9& f, int index) {
    switch (GroupOf(index)) {
      case WaveGroup::Mouth: return {f.Button1, f.ScrollBar1, f.Label4, f.Label2, f.CheckBox1, f.CheckBox2};
      case WaveGroup::Cmu: return {f.Button4, f.ScrollBar2, f.Label8, f.Label6, f.CheckBox3, f.CheckBox4};
      case WaveGroup::Ear: return {f.Button7, f.ScrollBar3, f.Label10, nullptr, nullptr, f.CheckBox6};
      case WaveGroup::Decoder: break;
    }
    return {f.Button9, f.ScrollBar4, f.Label12, nullptr, nullptr, f.CheckBox5};
  }
};

TForm9::TForm9(QWidget* owner) : TToolWindow(owner, "Form9", "Wave bench") {
  auto* grid = new QGridLayout(this);
  grid->setSizeConstraint(QLayout::SetFixedSize);  // a dialog border
  const std::pair<const char*, const char*> groups[] = {{"GroupBox1", "Playback Mouth"},
                                                        {"GroupBox2", "Playback CMU"},
                                                        {"GroupBox3", "Record Ear"},
                                                        {"GroupBox4", "Record CMU"}};
  for (int i = 0; i < 4; ++i) {
    auto* box = Make<QGroupBox>(this, groups[i].first);
    box->setTitle(groups[i].second);
    grid->addWidget(box, i / 2, i % 2);
    if (i < 2)
      BuildPlayback(box, i);
    else
      BuildRecord(box, i);
  }
  Timer1 = new QTimer(this);
  Timer1->setObjectName("Timer1");
  Timer1->setInterval(200);
  connect(Timer1, &QTimer::timeout, this, [this] { Timer1Timer(); });
}

TForm9::~TForm9() = default;

void TForm9::BuildPlayback(QWidget* box, int index) {
  const bool mouth = index == 0;
  auto* start = Make<QPushButton>(box, mouth ? "Button1" : "Button4", "Start play");
  auto* stop = Make<QPushButton>(box, mouth ? "Button2" : "Button5", "Stop play");
  auto* restart = Make<QPushButton>(box, mouth ? "Button3" : "Button6", "Restart play");
  auto* fileLevel = Make<QLabel>(box, mouth ? "Label2" : "Label6");
  auto* scroll = MakeScrollBar(box, mouth ? "ScrollBar1" : "ScrollBar2");
  auto* level = Make<QLabel>(box, mouth ? "Label4" : "Label8");
  auto* looped = Make<QCheckBox>(box, mouth ? "CheckBox1" : "CheckBox3", "Play looped");
  auto* pause = Make<QCheckBox>(box, mouth ? "CheckBox2" : "CheckBox4", "Pause");
  looped->setChecked(true);
  fileLevel->setMinimumWidth(260);
  fileLevel->setWordWrap(true);
  auto* g = new QGridLayout(box);
  g->addWidget(start, 0, 0);
  g->addWidget(stop, 0, 1);
  g->addWidget(restart, 0, 2);
  g->addWidget(fileLevel, 1, 0, 1, 3);
  g->addWidget(scroll, 2, 0, 1, 2);
  g->addWidget(level, 2, 2);
  g->addWidget(looped, 3, 0);
  g->addWidget(pause, 3, 1);
  (mouth ? Button1 : Button4) = start;
  (mouth ? Button2 : Button5) = stop;
  (mouth ? Button3 : Button6) = restart;
  (mouth ? Label2 : Label6) = fileLevel;
  (mouth ? ScrollBar1 : ScrollBar2) = scroll;
  (mouth ? Label4 : Label8) = level;
  (mouth ? CheckBox1 : CheckBox3) = looped;
  (mouth ? CheckBox2 : CheckBox4) = pause;

  const WaveGroup group = GroupOf(index);
  connect(start, &QPushButton::clicked, this, [this, index] { StartPlay(index); });
  connect(stop, &QPushButton::clicked, this, [this, group] {
    if (!bench_) return;
    bench_->StopPlay(group);
    FollowLink();
  });
  connect(restart, &QPushButton::clicked, this, [this, group] {
    if (!bench_) return;
    bench_->RestartPlay(group);
    FollowLink();
  });
  connect(scroll, &QScrollBar::valueChanged, this, [this, index] { ScrollBarChange(index); });
  connect(looped, &QCheckBox::toggled, this, [this, group](bool on) {
    if (bench_) bench_->SetLooped(group, on);
  });
  connect(pause, &QCheckBox::toggled, this, [this, group](bool on) {
    if (bench_) bench_->SetPaused(group, on);
  });
}

void TForm9::BuildRecord(QWidget* box, int index) {
  const bool ear = index == 2;
  auto* start = Make<QPushButton>(box, ear ? "Button7" : "Button9", "Start record");
  auto* stop = Make<QPushButton>(box, ear ? "Button8" : "Button10", "Stop record");
  auto* peak = Make<QProgressBar>(box, ear ? "ProgressBar1" : "ProgressBar2");
  peak->setRange(0, 32767);
  peak->setValue(0);
  peak->setTextVisible(false);
  auto* scroll = MakeScrollBar(box, ear ? "ScrollBar3" : "ScrollBar4");
  auto* level = Make<QLabel>(box, ear ? "Label10" : "Label12");
  level->setMinimumWidth(150);
  auto* pause = Make<QCheckBox>(box, ear ? "CheckBox6" : "CheckBox5", "Pause");
  auto* g = new QGridLayout(box);
  g->addWidget(start, 0, 0);
  g->addWidget(stop, 0, 1);
  g->addWidget(peak, 1, 0, 1, 3);
  g->addWidget(scroll, 2, 0, 1, 2);
  g->addWidget(level, 2, 2);
  g->addWidget(pause, 3, 0);
  if (ear) {
    CheckBox7 = Make<QCheckBox>(box, "CheckBox7", "Link with CMU player");
    g->addWidget(CheckBox7, 3, 1, 1, 2);
    Button7 = start, Button8 = stop, ProgressBar1 = peak, ScrollBar3 = scroll, Label10 = level, CheckBox6 = pause;
    connect(CheckBox7, &QCheckBox::toggled, this, [this](bool linked) {
      if (bench_) bench_->SetLinked(linked);
      if (linked) CheckBox6->setChecked(true);
      CheckBox6->setEnabled(!linked);
      Button8->setEnabled(!linked);
    });
  } else {
    Button9 = start, Button10 = stop, ProgressBar2 = peak, ScrollBar4 = scroll, Label12 = level, CheckBox5 = pause;
  }

  const WaveGroup group = GroupOf(index);
  connect(start, &QPushButton::clicked, this, [this, index] { StartRecord(index); });
  connect(stop, &QPushButton::clicked, this, [this, group] {
    if (bench_) bench_->StopRecord(group);
  });
  connect(scroll, &QScrollBar::valueChanged, this, [this, index] { ScrollBarChange(index); });
  connect(pause, &QCheckBox::toggled, this, [this, group](bool on) {
    if (bench_) bench_->SetPaused(group, on);
  });
}

void TForm9::OpenBench(const std::string& calFilePath, telephonometry::DlInterface dl) {
  if (bench_) return;  // already open
  auto bench = std::make_unique<telephonometry::WaveBench>();
  {
    FrameBenchUi ui;
    if (!bench->Open(telephonometry::CalFile(calFilePath), dl, ui)) return;
  }
  bench_ = std::move(bench);
  // The window's check boxes as they were left.
  for (int i = 0; i < 4; ++i) {
    const Group g = Group::Of(*this, i);
    if (g.looped) bench_->SetLooped(GroupOf(i), g.looped->isChecked());
    bench_->SetPaused(GroupOf(i), g.pause->isChecked());
  }
  bench_->SetLinked(CheckBox7->isChecked());
  FollowLink();
  Timer1->start();
  const QPointer<TForm9> self(this);
  exec();
  if (!self) return;  // freed with the frame while open: its bench closed with it
  Timer1->stop();
  bench_->Close();
  bench_.reset();
  ProgressBar1->setValue(0);
  ProgressBar2->setValue(0);
}

void TForm9::StartPlay(int index) {
  if (!bench_) return;
  const QString path = ui::Dialogs::Instance().OpenFile("Open wave file", "Wave files (*.wav)");
  if (path.isEmpty()) return;
  const Group g = Group::Of(*this, index);
  std::string fileLevel;
  // A file that cannot be played says why in place of its level.
  bench_->StartPlay(GroupOf(index), ui::S(path), fileLevel);
  g.fileLevel->setText(ui::Q(fileLevel));
  {
    const QSignalBlocker quiet(g.scroll);
    g.scroll->setValue(50);
  }
  ScrollBarChange(index);
  FollowLink();
}

void TForm9::StartRecord(int index) {
  if (!bench_) return;
  const QString path = ui::Dialogs::Instance().SaveFile("Save recording", "Wave files (*.wav)");
  if (path.isEmpty()) return;
  const Group g = Group::Of(*this, index);
  std::string error;
  const bool ok = bench_->StartRecord(GroupOf(index), ui::S(path), error);
  {
    const QSignalBlocker quiet(g.scroll);
    g.scroll->setValue(50);
  }
  ScrollBarChange(index);
  if (!ok) ui::Dialogs::Instance().Error(ui::Q(error));
}

void TForm9::ScrollBarChange(int index) {
  if (!bench_) return;
  const Group g = Group::Of(*this, index);
  const std::string text = bench_->ScrollBarChange(GroupOf(index), g.scroll->value());
  if (!text.empty()) g.level->setText(ui::Q(text));
}

void TForm9::FollowLink() {
  if (bench_ && CheckBox6->isChecked() != bench_->Paused(WaveGroup::Ear))
    CheckBox6->setChecked(bench_->Paused(WaveGroup::Ear));
}

void TForm9::Timer1Timer() {
  if (!bench_) return;
  int32_t earPeak = 0, decoderPeak = 0;
  bench_->Tick(earPeak, decoderPeak);
  ProgressBar1->setValue(std::min(earPeak, 32767));
  ProgressBar2->setValue(std::min(decoderPeak, 32767));
  FollowLink();
}

}  // namespace vt::frame
