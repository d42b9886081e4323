#include "host/ControlDump.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSlider>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>

#include <algorithm>

namespace vt::host {

QString DesignerClass(const QWidget* w) {
  if (qobject_cast<const QRadioButton*>(w)) return "TRadioButton";
  if (qobject_cast<const QCheckBox*>(w)) return "TCheckBox";
  if (qobject_cast<const QPushButton*>(w)) return "TButton";
  if (qobject_cast<const QGroupBox*>(w)) return "TGroupBox";
  if (qobject_cast<const QLabel*>(w)) return "TLabel";
  if (qobject_cast<const QScrollBar*>(w)) return "TScrollBar";
  if (qobject_cast<const QSlider*>(w)) return "TTrackBar";
  if (qobject_cast<const QComboBox*>(w)) return "TComboBox";
  if (qobject_cast<const QLineEdit*>(w)) return "TEdit";
  if (qobject_cast<const QPlainTextEdit*>(w)) return "TMemo";
  if (qobject_cast<const QProgressBar*>(w)) return "TProgressBar";
  if (qobject_cast<const QTabWidget*>(w)) return "TPageControl";
  if (qobject_cast<const QTableWidget*>(w)) return "TValueListEditor";
  if (qobject_cast<const QDialog*>(w)) return "T" + w->objectName();
  QString cls = w->metaObject()->className();
  int colon = cls.lastIndexOf(':');
  return colon >= 0 ? cls.mid(colon + 1) : cls;
}

namespace {

// Designed controls carry object names; Qt's own inner widgets (tab bars,
// viewports, scroll bars of memos) either have none or start with "qt_".
bool IsControl(const QWidget* w) {
  QString n = w->objectName();
  return !n.isEmpty() && !n.startsWith("qt_");
}

// The designed parent: the nearest enclosing control (a page's parent is its
// page control, past Qt's inner stack).
QString ParentName(const QObject* o) {
  for (const QObject* p = o->parent(); p; p = p->parent()) {
    const QString n = p->objectName();
    if (!n.isEmpty() && !n.startsWith("qt_")) return n;
  }
  return {};
}

QJsonObject Describe(QWidget* w, const QString& window) {
  QJsonObject o;
  o["name"] = w->objectName();
  o["class"] = DesignerClass(w);
  o["window"] = window;
  o["parent"] = ParentName(w);
  if (auto* b = qobject_cast<QAbstractButton*>(w)) {
    o["caption"] = b->text();
    if (b->isCheckable()) o["checked"] = b->isChecked();
  } else if (auto* g = qobject_cast<QGroupBox*>(w)) {
    o["caption"] = g->title();
  } else if (auto* l = qobject_cast<QLabel*>(w)) {
    o["caption"] = l->text();
  } else if (auto* s = qobject_cast<QAbstractSlider*>(w)) {
    o["min"] = s->minimum();
    o["max"] = s->maximum();
    o["value"] = s->value();
    o["largeStep"] = s->pageStep();
  } else if (auto* c = qobject_cast<QComboBox*>(w)) {
    o["caption"] = c->currentText();
    o["value"] = c->currentIndex();
    QJsonArray items;
    for (int i = 0; i < c->count(); ++i) items.append(c->itemText(i));
    o["items"] = items;
  } else if (auto* e = qobject_cast<QLineEdit*>(w)) {
    o["caption"] = e->text();
  } else if (auto* m = qobject_cast<QPlainTextEdit*>(w)) {
    o["caption"] = m->toPlainText();
  } else if (auto* p = qobject_cast<QProgressBar*>(w)) {
    o["min"] = p->minimum();
    o["max"] = p->maximum();
    o["value"] = p->value();
  } else if (auto* t = qobject_cast<QTableWidget*>(w)) {
    QJsonArray rows;
    for (int r = 0; r < t->rowCount(); ++r) {
      auto* k = t->item(r, 0);
      auto* v = t->item(r, 1);
      rows.append((k ? k->text() : QString()) + "=" + (v ? v->text() : QString()));
    }
    o["rows"] = rows;
  } else if (auto* d = qobject_cast<QDialog*>(w)) {
    o["caption"] = d->windowTitle();
  }
  o["visible"] = !w->isHidden();
  o["shown"] = w->isVisible();  // its own flag and every enclosing widget's, up to the window
  if (auto* pages = w->parentWidget() ? qobject_cast<QTabWidget*>(w->parentWidget()->parentWidget())
                                      : nullptr) {
    int i = pages->indexOf(w);
    if (i >= 0) {
      o["class"] = "TTabSheet";
      o["caption"] = pages->tabText(i);
      o["index"] = i;
      o["visible"] = pages->isTabVisible(i);
    }
  }
  o["enabled"] = w->isEnabled();
  return o;
}

void DumpTimers(QWidget* root, const QString& window, QJsonArray& out) {
  for (QTimer* t : root->findChildren<QTimer*>(Qt::FindDirectChildrenOnly)) {
    if (t->objectName().isEmpty()) continue;
    QJsonObject o;
    o["name"] = t->objectName();
    o["class"] = "TTimer";
    o["window"] = window;
    o["parent"] = root->objectName();
    o["value"] = t->interval();
    o["enabled"] = t->isActive();
    out.append(o);
  }
}

void DumpTree(QWidget* root, const QString& window, QJsonArray& out) {
  DumpTimers(root, window, out);
  for (QWidget* w : root->findChildren<QWidget*>()) {
    if (!IsControl(w)) continue;
    // Controls of windows inside root (tool windows, open dialogs) are not root's.
    bool inWindow = false;
    for (QWidget* p = w; p && p != root; p = p->parentWidget()) inWindow = inWindow || p->isWindow();
    if (!inWindow) out.append(Describe(w, window));
  }
}

// Names in natural order: "Button2" before "Button10".
bool NaturalLess(const QString& a, const QString& b) {
  qsizetype i = 0, j = 0;
  while (i < a.size() && j < b.size()) {
    if (a[i].isDigit() && b[j].isDigit()) {
      qsizetype ei = i, ej = j;
      while (ei < a.size() && a[ei].isDigit()) ++ei;
      while (ej < b.size() && b[ej].isDigit()) ++ej;
      const qulonglong x = a.mid(i, ei - i).toULongLong(), y = b.mid(j, ej - j).toULongLong();
      if (x != y) return x < y;
      i = ei;
      j = ej;
    } else {
      if (a[i] != b[j]) return a[i] < b[j];
      ++i;
      ++j;
    }
  }
  return a.size() - i < b.size() - j;
}

}  // namespace

QJsonArray DumpControls(QWidget* frame) {
  QJsonArray all;
  if (!frame) return all;
  DumpTree(frame, frame->objectName(), all);
  for (QDialog* d : frame->findChildren<QDialog*>(Qt::FindDirectChildrenOnly)) {
    all.append(Describe(d, d->objectName()));
    DumpTree(d, d->objectName(), all);
  }
  QList<QJsonValue> sorted(all.begin(), all.end());
  std::stable_sort(sorted.begin(), sorted.end(), [](const QJsonValue& x, const QJsonValue& y) {
    const QString wx = x["window"].toString(), wy = y["window"].toString();
    return wx != wy ? NaturalLess(wx, wy) : NaturalLess(x["name"].toString(), y["name"].toString());
  });
  QJsonArray out;
  for (const QJsonValue& v : sorted) out.append(v);
  return out;
}

QByteArray ControlsJson(const QJsonArray& controls) {
  QByteArray text = "[\n";
  for (qsizetype i = 0; i < controls.size(); ++i) {
    text += QJsonDocument(controls[i].toObject()).toJson(QJsonDocument::Compact);
    text += i + 1 < controls.size() ? ",\n" : "\n";
  }
  return text + "]\n";
}

QWidget* FindControl(QWidget* frame, const QString& name) {
  if (!frame) return nullptr;
  int dot = name.indexOf('.');
  if (dot > 0) {
    auto* win = frame->findChild<QDialog*>(name.left(dot), Qt::FindDirectChildrenOnly);
    return win ? win->findChild<QWidget*>(name.mid(dot + 1)) : nullptr;
  }
  if (name == frame->objectName()) return frame;
  if (auto* win = frame->findChild<QDialog*>(name, Qt::FindDirectChildrenOnly)) return win;
  return frame->findChild<QWidget*>(name);
}

}  // namespace vt::host
