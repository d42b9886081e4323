// The frame's pages at the size the host window gives them (about 1090 x 470
// pixels): nothing clipped, squeezed or overlapping; radio groups that act alone.
#include <gtest/gtest.h>

#include <QAbstractScrollArea>
#include <QHeaderView>
#include <QSignalBlocker>
#include <QTabWidget>

#include <algorithm>
#include <vector>

#include "frame/TFrame1.h"
#include "tests/support/QtApp.h"

using vt::frame::TFrame1;

namespace {

// Every designed control shown in `page` (not Qt's inner parts: scroll areas'
// viewports and bars, nested pages) lies inside it, is not squeezed, overlaps
// no sibling; a value list shows its keys whole under "Coeff" and "Value".
void ExpectPageFits(QWidget* page) {
  SCOPED_TRACE(page->objectName().toStdString());
  QList<QWidget*> controls;
  for (QWidget* w : page->findChildren<QWidget*>())
    if (!w->objectName().isEmpty() && !w->objectName().startsWith("qt_") && w->isVisible() &&
        !qobject_cast<QAbstractScrollArea*>(w->parentWidget()) &&
        !qobject_cast<QTabWidget*>(w->parentWidget()))
      controls << w;
  ASSERT_FALSE(controls.isEmpty());
  for (QWidget* w : controls) {
    const std::string n = w->objectName().toStdString();
    EXPECT_TRUE(page->rect().contains(QRect(w->mapTo(page, QPoint(0, 0)), w->size())))
        << n << " lies outside its page";
    const QSize least = w->minimumSizeHint().expandedTo(w->minimumSize());
    EXPECT_TRUE(w->width() >= least.width() && w->height() >= least.height()) << n << " squeezed";
    for (QWidget* v : controls)
      EXPECT_FALSE(v != w && v->parentWidget() == w->parentWidget() &&
                   w->geometry().intersects(v->geometry()))
          << n << " overlaps " << v->objectName().toStdString();
    if (auto* list = qobject_cast<vt::frame::TValueListEditor*>(w)) {
      EXPECT_EQ(list->horizontalHeaderItem(0)->text() + list->horizontalHeaderItem(1)->text(),
                "CoeffValue") << n;
      for (int row = 1; row <= list->RowCount(); ++row)
        EXPECT_GE(list->horizontalHeader()->sectionSize(0),
                  list->fontMetrics().horizontalAdvance(QString::fromStdString(list->Key(row))) + 6)
            << n << " row " << row;
    }
  }
}

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
  ExpectTabsFit(f.PageControl1);
  f.RadioButton34->setChecked(true);
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
  EXPECT_GE(f.PageControl2->width(), f.TabSheet17->width() - 20);  // inner pages fill their tab
}

// Groups that share a container still act alone: checking a button leaves
// exactly one on in its group and in every other (the memos' "Active"
// buttons each head their own memo, yet exclude each other).
TEST_F(Layout, RadioGroupsAreExclusiveOnTheirOwn) {
  const std::vector<std::vector<const char*>> groups = {
      {"RadioButton4", "RadioButton5", "RadioButton6"},
      {"RadioButton11", "RadioButton12", "RadioButton13", "RadioButton21", "RadioButton22",
       "RadioButton33"},
      {"RadioButton18", "RadioButton19", "RadioButton20", "RadioButton31", "RadioButton32"},
      {"DlIfType1Radio", "DlIfType32LowLeakRadio", "DlIfType32HiLeakRadio", "DlIfType33Radio",
       "DlIfElectricalRadio"}};
  auto radio = [this](const char* n) { return f.findChild<QAbstractButton*>(n); };
  auto on = [&](const char* n) { return radio(n)->isChecked(); };
  for (const auto& group : groups)
    for (const char* pick : group) {
      ASSERT_NE(radio(pick), nullptr) << pick;
      radio(pick)->setChecked(true);
      EXPECT_TRUE(radio(pick)->isChecked());
      for (const auto& rest : groups)
        EXPECT_EQ(std::count_if(rest.begin(), rest.end(), on), 1) << pick << " disturbed " << rest[0];
    }
}

}  // namespace
