// "Wave bench": speech files played through the artificial mouth and into the
// radio tester, recordings from the artificial ear (or the electrical
// downlink) and from the tester's decoder, levels referred to the calibration.
// The bench itself (blocks, port, level arithmetic) is a WaveBench of the
// telephonometry core; this window is its controls.
//
// Included by frame/ToolWindows.h inside its namespace, after TToolWindow:
// include that header, not this one.
#pragma once

class TForm9 : public TToolWindow {
 public:
  explicit TForm9(QWidget* owner);
  ~TForm9() override;

  // The frame's "Wave bench" button: checks and loads the calibration for
  // the DL interface, opens the sound card and shows the window modally; the
  // port is closed and every file completed when the window closes.
  void OpenBench(const std::string& calFilePath, telephonometry::DlInterface dl);
  // The bench of the open window (null while closed).
  telephonometry::WaveBench* Bench() const { return bench_.get(); }

  // "Playback Mouth".
  QPushButton *Button1 = nullptr, *Button2 = nullptr, *Button3 = nullptr;
  QLabel *Label2 = nullptr, *Label4 = nullptr;
  QScrollBar* ScrollBar1 = nullptr;
  QCheckBox *CheckBox1 = nullptr, *CheckBox2 = nullptr;
  // "Playback CMU".
  QPushButton *Button4 = nullptr, *Button5 = nullptr, *Button6 = nullptr;
  QLabel *Label6 = nullptr, *Label8 = nullptr;
  QScrollBar* ScrollBar2 = nullptr;
  QCheckBox *CheckBox3 = nullptr, *CheckBox4 = nullptr;
  // "Record Ear".
  QPushButton *Button7 = nullptr, *Button8 = nullptr;
  QProgressBar* ProgressBar1 = nullptr;
  QScrollBar* ScrollBar3 = nullptr;
  QLabel* Label10 = nullptr;
  QCheckBox *CheckBox6 = nullptr, *CheckBox7 = nullptr;
  // "Record CMU".
  QPushButton *Button9 = nullptr, *Button10 = nullptr;
  QProgressBar* ProgressBar2 = nullptr;
  QScrollBar* ScrollBar4 = nullptr;
  QLabel* Label12 = nullptr;
  QCheckBox* CheckBox5 = nullptr;

  QTimer* Timer1 = nullptr;

  void Timer1Timer();

 private:
  struct Group;
  void BuildPlayback(QWidget* box, int index);
  void BuildRecord(QWidget* box, int index);
  void StartPlay(int index);
  void StartRecord(int index);
  void ScrollBarChange(int index);
  // The ear's "Pause" as the bench has it (the link moves it).
  void FollowLink();

  std::unique_ptr<telephonometry::WaveBench> bench_;
};
