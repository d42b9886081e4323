// The "Home" page: a picture and "What's new ?".
#include <QPainter>
#include <QPixmap>

#include "common/gui/Dialogs.h"
#include "frame/tabs/Home.h"

#include "frame/Builder.h"
#include "frame/Layout.h"
#include "frame/TabContext.h"

namespace vt::frame {

namespace {
// The page's picture: a stylised handset and its voice chain, drawn once.
QPixmap HomePicture() {
  QPixmap pm(420, 220);
  pm.fill(QColor(0xF4, 0xF6, 0xF8));
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(0x30, 0x40, 0x60), 2));
  p.setBrush(QColor(0xDD, 0xE4, 0xEE));
  p.drawRoundedRect(30, 30, 70, 160, 12, 12);     // handset
  p.drawRect(45, 50, 40, 60);                      // display
  QFont f = p.font();
  f.setPointSize(9);
  p.setFont(f);
  const char* blocks[] = {"EC", "NS", "EQ", "AGC"};
  for (int i = 0; i < 4; ++i) {
    QRect r(130 + i * 68, 90, 56, 36);
    p.drawRect(r);
    p.drawText(r, Qt::AlignCenter, blocks[i]);
    p.drawLine(r.left() - 12, r.center().y(), r.left(), r.center().y());
  }
  p.drawLine(100, 108, 118, 108);
  f.setPointSize(16);
  f.setBold(true);
  p.setFont(f);
  p.drawText(QRect(130, 30, 280, 40), Qt::AlignLeft | Qt::AlignVCenter, "VoxTuner");
  f.setPointSize(9);
  f.setBold(false);
  p.setFont(f);
  p.drawText(QRect(130, 150, 285, 40), Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop,
             "Q7xx voice-audio chain tuning and measurement");
  return pm;
}
}  // namespace

void HomeTab::BuildHome(Builder& b, QTabWidget* PageControl1, QWidget* MemoStrip) {
#include "frame/RowBuild.h"
#include "frame/tabs/Home.def"
#include "frame/RowsEnd.h"
}

void HomeTab::SetupHome(TabContext& ctx) {
  Image1->setPixmap(HomePicture());
  QObject::connect(Button142, &QPushButton::clicked, Button142, [this] { Button142Click(); });
}

void HomeTab::Button142Click() {
  ui::Dialogs::Instance().Message("What's new ?",
                                  "Based on V2.51\r\nAdded harmonizers control\r\n"
                                  "Added low voice booster control\r\n");
}

}  // namespace vt::frame
