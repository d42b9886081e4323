// The behaviour layer's tables wired to the widgets' change signals.
#include <QAbstractButton>
#include <QAbstractSlider>
#include <QComboBox>
#include <QCoreApplication>
#include <QProgressDialog>
#include <QRadioButton>

#include "common/gui/Dialogs.h"
#include "config/MemoConfig.h"
#include "editors/ReadBack.h"
#include "frame/TabContext.h"
#include "frame/WidgetControls.h"

namespace vt::frame {

namespace {
// Runs `f` whenever the control changes: a check box on every toggle, a
// radio button when it becomes checked, a bar or combo box on a new value.
template <class F>
void OnChange(QWidget* w, QObject* context, F f) {
  if (auto* r = qobject_cast<QRadioButton*>(w)) {
    QObject::connect(r, &QAbstractButton::toggled, context, [f](bool on) {
      if (on) f();
    });
  } else if (auto* b = qobject_cast<QAbstractButton*>(w)) {
    QObject::connect(b, &QAbstractButton::toggled, context, [f](bool) { f(); });
  } else if (auto* s = qobject_cast<QAbstractSlider*>(w)) {
    QObject::connect(s, &QAbstractSlider::valueChanged, context, [f](int) { f(); });
  } else if (auto* c = qobject_cast<QComboBox*>(w)) {
    QObject::connect(c, &QComboBox::currentIndexChanged, context, [f](int) { f(); });
  }
}
}  // namespace

void BindSections(TabContext& ctx, const std::vector<editors::Section>& sections) {
  WidgetControls* controls = &ctx.controls;
  for (const editors::Section& s : sections) {
    const editors::Section* section = &s;  // the tables live as long as the module
    OnChange(controls->Widget(s.checkBox), ctx.frame,
             [section, controls] { editors::SectionClicked(*section, *controls); });
    for (const std::string& m : s.members)
      OnChange(controls->Widget(m), ctx.frame,
               [section, controls] { editors::SectionMemberChanged(*section, *controls); });
  }
}

void BindMemoButtons(TabContext& ctx, QPushButton* send, QPushButton* get,
                     std::vector<const editors::MemoSection*> sections) {
  WidgetControls* controls = &ctx.controls;
  auto state = ctx.state;
  QObject::connect(send, &QPushButton::clicked, ctx.frame, [sections, controls, state] {
    for (const editors::MemoSection* s : sections)
      editors::SendSectionToMemo(*s, *controls, state(), SharedMemoConfig());
  });
  QObject::connect(get, &QPushButton::clicked, ctx.frame, [sections, controls] {
    for (const editors::MemoSection* s : sections)
      editors::GetSectionFromMemo(*s, SharedMemoConfig(), *controls);
  });
}

bool RunReadBack(TabContext& ctx, const std::vector<std::string>& sections) {
  std::unique_ptr<QProgressDialog> progress;
  if (sections.size() > 1) {
    progress = std::make_unique<QProgressDialog>("Reading the handset settings", QString(), 0,
                                                 int(sections.size()), ctx.frame);
    progress->setWindowTitle("Q7xx all to Memo");
    progress->setMinimumDuration(0);
  }
  int done = 0;
  std::string current;
  const editors::ReadBackEnd end = editors::ReadBackToMemo(
      sections, ctx.controls, ctx.state(), SharedMemoConfig(), [&](const std::string& name) {
        current = name;
        if (progress) {
          progress->setValue(done);
          progress->setLabelText(ui::Q("Reading " + name + " from the handset"));
        }
        ++done;
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
      });
  progress.reset();
  if (end == editors::ReadBackEnd::Done) return true;
  ui::Dialogs::Instance().Warning(
      done == 0 ? "The handset link is down: nothing was read into the memo."
                : ui::Q("The handset link was lost while reading " + current + ": " + current +
                        " and the sections after it were not written."));
  return false;
}

void BindReadBackButton(TabContext& ctx, QPushButton* button, std::vector<std::string> sections) {
  TabContext* context = &ctx;
  QObject::connect(button, &QPushButton::clicked, ctx.frame,
                   [context, sections] { RunReadBack(*context, sections); });
}

void BindLabels(TabContext& ctx, const std::vector<editors::LabelRule>& rules) {
  WidgetControls* controls = &ctx.controls;
  const std::vector<editors::LabelRule>* table = &rules;
  std::vector<std::string> inputs;
  for (const editors::LabelRule& r : rules)
    for (const std::string& in : r.inputs)
      if (std::find(inputs.begin(), inputs.end(), in) == inputs.end()) inputs.push_back(in);
  for (const std::string& in : inputs)
    OnChange(controls->Widget(in), ctx.frame,
             [table, controls, in] { editors::RefreshLabels(*table, *controls, in); });
  editors::RefreshLabels(rules, *controls);
}

}  // namespace vt::frame
