// Wiring of the editors' own handlers (those that are not plain section
// switches) to the widgets' change signals.
#pragma once

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QComboBox>

#include <string>
#include <vector>

#include "editors/Labels.h"
#include "editors/Sections.h"
#include "frame/TabContext.h"
#include "frame/WidgetControls.h"

namespace vt::frame {

// `f` on every toggle of a check box (a program's change included).
template <class F>
void OnToggled(TabContext& ctx, std::string_view name, F f) {
  if (auto* b = qobject_cast<QAbstractButton*>(ctx.controls.Widget(name)))
    QObject::connect(b, &QAbstractButton::toggled, ctx.frame, [f](bool) { f(); });
}

// `f` on a new value of a bar or combo box.
template <class F>
void OnValue(TabContext& ctx, std::string_view name, F f) {
  QWidget* w = ctx.controls.Widget(name);
  if (auto* s = qobject_cast<QAbstractSlider*>(w))
    QObject::connect(s, &QAbstractSlider::valueChanged, ctx.frame, [f](int) { f(); });
  else if (auto* c = qobject_cast<QComboBox*>(w))
    QObject::connect(c, &QComboBox::currentIndexChanged, ctx.frame, [f](int) { f(); });
}

// A codec gain section: its check box through CodecGainClicked, its bars
// through the section switch. `section` lives as long as the module.
void BindCodecGain(TabContext& ctx, const editors::Section& section);

// Labels that keep their designed captions until their bars move.
void BindLabelsOnChange(TabContext& ctx, const std::vector<editors::LabelRule>& rules);

}  // namespace vt::frame
