#include "frame/tabs/ParamListBinding.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QApplication>
#include <QClipboard>
#include <QKeySequence>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>

#include "common/gui/Dialogs.h"
#include "config/MemoConfig.h"
#include "frame/Controls.h"
#include "frame/TabContext.h"
#include "frame/WidgetControls.h"

namespace vt::frame {

void ReportListError(const std::string& error) {
  if (!error.empty()) ui::Dialogs::Instance().Error(ui::Q(error));
}

void OnListChange(QWidget* w, QObject* context, std::function<std::string()> f) {
  auto run = [f] { ReportListError(f()); };
  if (auto* p = qobject_cast<QPushButton*>(w); p && !p->isCheckable()) {
    QObject::connect(p, &QPushButton::clicked, context, run);
  } else if (auto* r = qobject_cast<QRadioButton*>(w)) {
    QObject::connect(r, &QAbstractButton::toggled, context, [run](bool on) {
      if (on) run();
    });
  } else if (auto* b = qobject_cast<QAbstractButton*>(w)) {
    QObject::connect(b, &QAbstractButton::toggled, context, [run](bool) { run(); });
  } else if (auto* s = qobject_cast<QAbstractSlider*>(w)) {
    QObject::connect(s, &QAbstractSlider::valueChanged, context, [run](int) { run(); });
  }
}

void BindParamList(TabContext& ctx, const editors::ParamList& l, QPushButton* resend) {
  WidgetControls* controls = &ctx.controls;
  const editors::ParamList* list = &l;
  OnListChange(controls->Widget(l.checkBox), ctx.frame,
               [list, controls] { return editors::ListSectionClicked(*list, *controls); });
  OnListChange(resend, ctx.frame,
               [list, controls] { return editors::ListResend(*list, *controls); });
}

void BindListMemoButtons(TabContext& ctx, QPushButton* send, QPushButton* get,
                         std::vector<const editors::ListMemo*> memos) {
  WidgetControls* controls = &ctx.controls;
  auto state = ctx.state;
  if (send)
    QObject::connect(send, &QPushButton::clicked, ctx.frame, [memos, controls, state] {
      for (const editors::ListMemo* m : memos)
        editors::SendListToMemo(*m, *controls, state(), SharedMemoConfig());
    });
  if (get)
    QObject::connect(get, &QPushButton::clicked, ctx.frame, [memos, controls, state] {
      for (const editors::ListMemo* m : memos)
        editors::GetListFromMemo(*m, SharedMemoConfig(), *controls, state());
    });
}

void EnableRowPaste(TabContext& ctx, TValueListEditor* list) {
  auto* paste = new QShortcut(QKeySequence::Paste, list, nullptr, nullptr, Qt::WidgetShortcut);
  WidgetControls* controls = &ctx.controls;
  const std::string name = ui::S(list->objectName());
  QObject::connect(paste, &QShortcut::activated, list, [controls, name] {
    editors::PasteRows(*controls, name, ui::S(QApplication::clipboard()->text()));
  });
}

}  // namespace vt::frame
