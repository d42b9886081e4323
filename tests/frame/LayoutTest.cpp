// The frame's pages at the size the host window gives them (about 1090 x 470
// pixels): nothing clipped, squeezed or overlapping in either default view or
// with every optional control shown; radio groups that act on their own.
#include <gtest/gtest.h>

#include <QAbstractScrollArea>
#include <QHeaderView>
#include <QSignalBlocker>
#include <QTabWidget>

#include <string>
#include <vector>

#include "frame/TFrame1.h"
#include "tests/support/QtApp.h"

using vt::frame::TFrame1;

namespace {

// The designed controls shown inside `page`, without Qt's inner parts
// (viewports and bars of scroll areas, the pages of nested page controls).
QList<QWidget*> ShownControls(QWidget* page) {
  QList<QWidget*> out;
  for (QWidget* w : page->findChildren<QWidget*>()) {
    if (w->objectName().isEmpty() || w->objectName().startsWith("qt_")) continue;
    if (qobject_cast<QAbstractScrollArea*>(w->parentWidget())) continue;
    if (qobject_cast<QTabWidget*>(w->parentWidget())) continue;
    if (w->isVisible()) out << w;
  }
  return out;
}

// Every shown control lies inside the page, none is squeezed below its
// minimum, and no two controls of one container overlap.
void ExpectPageFits(QWidget* page) {
  SCOPED_TRACE(page->objectName().toStdString());
  const QList<QWidget*> controls = ShownControls(page);
  ASSERT_FALSE(controls.isEmpty());
  for (QWidget* w : controls) {
    const std::string n = w->objectName().toStdString();
    EXPECT_TRUE(page->rect().contains(QRect(w->mapTo(page, QPoint(0, 0)), w->size())))
        << n << " lies outside its page";
    const QSize least = w->minimumSizeHint().expandedTo(w->minimumSize());
    EXPECT_TRUE(w->width() >= least.width() && w->height() >= least.height()) << n << " is squeezed";
    for (QWidget* v : controls) {
      if (v == w || v->parentWidget() != w->parentWidget()) continue;
      EXPECT_FALSE(w->geometry().intersects(v->geometry()))
          << n << " overlaps " << v->objectName().toStdString();
    }
  }
}

// Shows every page of `tabs` (and of the page controls inside them) in turn.
void ExpectTabsFit(QTabWidget* tabs) {
  for (int i = 0; i < tabs->count(); ++i) {
    tabs->setCurrentIndex(i);
    QCoreApplication::processEvents();
    ExpectPageFits(tabs->widget(i));
    for (auto* inner : tabs->widget(i)->findChildren<QTabWidget*>(Qt::FindDirectChildrenOnly))
      ExpectTabsFit(inner);
  }
}

struct Layout : ::testing::Test {
  QApplication& app = vt::testing::App();
  TFrame1 f;
  void SetUp() override {
    f.PageControl1->setFixedSize(1090, 470);
    f.show();
  }
};

TEST_F(Layout, PagesFitInBothDefaultViews) {
  f.RadioButton35->setChecked(true);
  ASSERT_TRUE(f.CheckBox100->isVisibleTo(f.TabSheet8));  // the fuller layout is on
  {
    SCOPED_TRACE("Q710/2 view");
    ExpectTabsFit(f.PageControl1);
  }
  f.RadioButton34->setChecked(true);
  SCOPED_TRACE("Q711/15 view");
  ExpectTabsFit(f.PageControl1);
}

TEST_F(Layout, PagesFitWithEveryOptionalControlShown) {
  for (QWidget* w : std::initializer_list<QWidget*>{
           f.ValueListEditor9, f.CheckBox96, f.GroupBox54, f.Button54, f.Button130, f.CheckBox97,
           f.RadioButton31, f.RadioButton32, f.CheckBox100, f.CheckBox101, f.RadioButton33})
    w->show();
  f.ValueListEditor4->hide();
  QSignalBlocker quiet(f.PageControl1);  // layout only: no tab-change handler
  ExpectTabsFit(f.PageControl1);
  // The inner pages of "Measures / AutoTuning" take the whole tab.
  EXPECT_GE(f.PageControl2->width(), f.TabSheet17->width() - 20);
}

// Every value list shows its keys and values under "Coeff" and "Value", the
// key column wide enough for its longest key.
TEST_F(Layout, ValueListsShowWholeKeysUnderTheirTitles) {
  const auto lists = f.findChildren<vt::frame::TValueListEditor*>();
  ASSERT_EQ(lists.size(), 10);
  for (vt::frame::TValueListEditor* list : lists) {
    SCOPED_TRACE(list->objectName().toStdString());
    EXPECT_EQ(list->horizontalHeaderItem(0)->text(), "Coeff");
    EXPECT_EQ(list->horizontalHeaderItem(1)->text(), "Value");
    int widest = 0;
    for (int row = 1; row <= list->RowCount(); ++row)
      widest = std::max(widest, list->fontMetrics().horizontalAdvance(
                                    QString::fromStdString(list->Key(row))));
    EXPECT_GE(list->horizontalHeader()->sectionSize(0), widest + 6);
  }
}

// Checking any button of a group unchecks the rest of it and leaves exactly
// one button on in every other group, though groups may share a container
// (the memos' "Active" buttons each head their own memo, yet exclude each other).
TEST_F(Layout, RadioGroupsAreExclusiveOnTheirOwn) {
  const std::vector<std::vector<const char*>> groups = {
      {"RadioButton4", "RadioButton5", "RadioButton6"},
      {"RadioButton34", "RadioButton35"},
      {"RadioButton7", "RadioButton8"}, {"RadioButton9", "RadioButton10"},
      {"RadioButton1", "RadioButton2"},
      {"RadioButton11", "RadioButton12", "RadioButton13", "RadioButton21", "RadioButton22",
       "RadioButton33"},
      {"RadioButton14", "RadioButton15"}, {"RadioButton16", "RadioButton17"},
      {"RadioButton23", "RadioButton24"}, {"RadioButton25", "RadioButton26"},
      {"RadioButton18", "RadioButton19", "RadioButton20", "RadioButton31", "RadioButton32"},
      {"RadioButton3", "RadioButton36"},
      {"DlIfType1Radio", "DlIfType32LowLeakRadio", "DlIfType32HiLeakRadio", "DlIfType33Radio",
       "DlIfElectricalRadio"},
      {"UlIfMouthRadio", "UlIfElectricalRadio"}};
  auto radio = [this](const char* n) { return f.findChild<QAbstractButton*>(n); };
  for (const auto& group : groups)
    for (const char* pick : group) {
      ASSERT_NE(radio(pick), nullptr) << pick;
      radio(pick)->setChecked(true);
      for (const char* other : group) EXPECT_EQ(radio(other)->isChecked(), other == pick) << pick;
      for (const auto& rest : groups) {
        int on = 0;
        for (const char* n : rest) on += radio(n)->isChecked();
        EXPECT_EQ(on, 1) << pick << " disturbed " << rest[0];
      }
    }
}

}  // namespace
