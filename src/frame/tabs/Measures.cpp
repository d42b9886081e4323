// The "Measures / AutoTuning" page.
#include <QGridLayout>

#include "frame/tabs/Measures.h"

#include "frame/Builder.h"
#include "frame/Layout.h"
#include "frame/TFrame1.h"
#include "frame/TabContext.h"
#include "frame/ToolWindows.h"

namespace vt::frame {

void MeasuresTab::BuildMeasures(Builder& b, QTabWidget* PageControl1, QWidget* MemoStrip) {
#include "frame/RowBuild.h"
#include "frame/tabs/Measures.def"
#include "frame/RowsEnd.h"
}

void MeasuresTab::SetupMeasures(TabContext& ctx) {
  // The three pages fill the tab.
  if (auto* grid = qobject_cast<QGridLayout*>(TabSheet17->layout())) {
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 0);
    grid->setRowStretch(0, 1);
    grid->setRowStretch(1, 0);
  }
  // Room for a calibration file's name beside "File:".
  CalFileLabel->setMinimumWidth(260);
  for (TGroupBox* group : {CalProcedureGroup, TelephonometryGroup, WaveBenchGroup, ReportGroup})
    group->setMinimumWidth(170);

  // "Wave bench": the bench for the DL measurement interface that is checked.
  QObject::connect(WaveBenchButton, &QPushButton::clicked, ctx.frame, [frame = ctx.frame] {
    auto* f = static_cast<TFrame1*>(frame);
    if (Form9) Form9->OpenBench(f->CalFilePath, f->MeasurementIfs().dl);
  });
}

}  // namespace vt::frame
