// The thirteen tool windows, created hidden and owned by the frame, and the
// module-wide variables that reach them (Form1 ... Form21).
#pragma once

#include <QDialog>
#include <QElapsedTimer>

#include <array>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "filters/FirDesign.h"
#include "filters/FitObserver.h"
#include "filters/LimitMask.h"
#include "filters/Margins.h"
#include "filters/PlotMapping.h"
#include "filters/ResponsePoints.h"
#include "filters/WizardWords.h"
#include "frame/ControlTypes.h"
#include "telephonometry/ResultGraph.h"

class QCheckBox;
class QCloseEvent;
class QLabel;
class QPainter;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QTimer;

namespace vt::telephonometry {
class WaveBench;
enum class DlInterface;
}  // namespace vt::telephonometry

#include "config/gui/TForm12.h"

namespace vt::frame {

class TPaintBox;

// A tool window: a top-level window owned by the frame, hidden until shown.
class TToolWindow : public QDialog {
  Q_OBJECT
 public:
  TToolWindow(QWidget* owner, const char* name, const char* caption);

 protected:
  // The window's plot: a paint box "PaintBox1" at `where`, drawn by `paint`,
  // whose context menu saves it as PNG and, given `saveCsv`, its curves as
  // CSV ("Save <curves> as CSV...").
  TPaintBox* AddPlot(const QRect& where, std::function<void(QPainter&)> paint, const QString& curves = {},
                     std::function<bool(const QString&)> saveCsv = {});
};

// Adds an item to `plot`'s context menu that asks for a file and saves to it
// with `save`, telling the user when the file cannot be written.
void AddSaveAction(QWidget* plot, const QString& item, const QString& caption, const QString& filter,
                   std::function<bool(const QString&)> save);

// Windows whose contents come with their subsystems; until then they are
// plain tool windows with their captions.
#define VT_PLACEHOLDER_WINDOW(cls, caption)                                    \
  class cls : public TToolWindow {                                             \
   public:                                                                     \
    explicit cls(QWidget* owner) : TToolWindow(owner, #cls + 1, caption) {}    \
  };
#include "frame/windows/FilterWizard.h"
#include "frame/windows/TForm1.h"
#include "frame/windows/TForm2.h"
#include "frame/windows/TForm3.h"
#include "frame/windows/TForm4.h"
#include "frame/windows/TForm5.h"
#include "frame/windows/TForm6.h"
#include "frame/windows/TForm7.h"
#include "frame/windows/TForm8.h"
#include "frame/windows/TForm9.h"
#include "frame/windows/TForm10.h"
#include "frame/windows/TForm11.h"
#include "frame/windows/TForm21.h"
#undef VT_PLACEHOLDER_WINDOW

using TForm12 = vt::ui::TForm12;  // "File tag"

extern TForm1* Form1;
extern TForm2* Form2;
extern TForm3* Form3;
extern TForm4* Form4;
extern TForm5* Form5;
extern TForm6* Form6;
extern TForm7* Form7;
extern TForm8* Form8;
extern TForm9* Form9;
extern TForm10* Form10;
extern TForm11* Form11;
extern TForm12* Form12;
extern TForm21* Form21;

// Creates the windows in order (TForm1 first, TForm21 last), hidden, owned by the frame.
void CreateToolWindows(QWidget* owner);
// Frees them in the same order; each only if it exists.
void FreeToolWindows();
// The windows in creation order, for scripts and dumps (null where freed).
QList<QWidget*> ToolWindowList();

}  // namespace vt::frame
