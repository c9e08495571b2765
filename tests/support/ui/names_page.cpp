#include "support/ui/names_page.h"

#include <QApplication>
#include <QWindow>
#include <QtTest>

namespace kvadrix::test {

NamesPage::NamesPage(const WindowUnderTest& w)
    : Ekiv(w.Find<QLineEdit>("Ekiv")),
      Bhozza(w.Find<QPushButton>("Bhozza")),
      Bmod(w.Find<QPushButton>("Bmod")),
      Btorol(w.Find<QPushButton>("Btorol")),
      Btovabb(w.Find<QPushButton>("Btovabb")),
      Mnevek(w.Find<QListWidget>("Mnevek")),
      GBuj(w.Find<QGroupBox>("GBuj")),
      Lnev(w.Find<QLabel>("Lnev")),
      Eujnev(w.Find<QLineEdit>("Eujnev")),
      dbnevek(w.Find<QComboBox>("dbnevek")),
      Ljelszo(w.Find<QLabel>("Ljelszo")),
      Bjelszo(w.Find<QLineEdit>("Bjelszo")),
      Ljelszo2(w.Find<QLabel>("Ljelszo2")),
      Bjelszo2(w.Find<QLineEdit>("Bjelszo2")),
      LjelszoR(w.Find<QLabel>("LjelszoR")),
      BjelszoR(w.Find<QLineEdit>("BjelszoR")),
      Lszin(w.Find<QLabel>("Lszin")),
      SE(w.Find<QSpinBox>("SE")),
      Lszint(w.Find<QLabel>("Lszint")),
      RBujk(w.Find<QRadioButton>("RBujk")),
      RBujh(w.Find<QRadioButton>("RBujh")),
      RBujm(w.Find<QRadioButton>("RBujm")),
      Bujfelvitel(w.Find<QPushButton>("Bujfelvitel")),
      Bmodosit(w.Find<QPushButton>("Bmodosit")),
      Btorles(w.Find<QPushButton>("Btorles")) {}

void Click(QWidget* widget) {
  // A radio button takes clicks on its mark and caption, not on the empty rest of its place.
  const bool radio = qobject_cast<QRadioButton*>(widget) != nullptr;
  QTest::mouseClick(widget, Qt::LeftButton, {},
                    radio ? QPoint(6, widget->height() / 2) : widget->rect().center());
}

namespace {

// The window of `target`, shown and active, with the focus on `target`.
QWindow* FocusedWindow(QWidget* target) {
  QWidget* window = target->window();
  if (!window->isVisible()) {
    window->show();
    if (!QTest::qWaitForWindowExposed(window)) qFatal("the window never showed");
  }
  if (QApplication::activeWindow() != window) {
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window)) qFatal("the window never became active");
  }
  target->setFocus(Qt::OtherFocusReason);
  // A hidden or disabled widget cannot take the focus, and no user can press a key in it.
  QWidget* focused = target->focusProxy() != nullptr ? target->focusProxy() : target;
  if (QApplication::focusWidget() != focused) qFatal("the widget cannot take the keyboard focus");
  return window->windowHandle();
}

}  // namespace

void PressKey(QWidget* target, Qt::Key key) { QTest::keyClick(FocusedWindow(target), key); }

void Type(QWidget* widget, const QString& text) {
  QWindow* window = FocusedWindow(widget);
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    if (c.unicode() < 128) {
      QTest::keyClick(window, c.toLatin1());
    } else {
      // One key for a whole character, a pair of surrogates included.
      const qsizetype length = c.isHighSurrogate() ? 2 : 1;
      QTest::sendKeyEvent(QTest::Click, window, Qt::Key_unknown, text.mid(i, length),
                          Qt::NoModifier);
      i += length - 1;
    }
  }
}

void Retype(QLineEdit* edit, const QString& text) {
  edit->clear();
  Type(edit, text);
}

bool Pick(QComboBox* box, const QString& name) {
  const int index = box->findText(name, Qt::MatchExactly);
  if (index < 0) return false;
  box->setCurrentIndex(index);
  emit box->activated(index);
  return true;
}

QStringList Items(const QListWidget* list) {
  QStringList items;
  for (int i = 0; i < list->count(); ++i) items << list->item(i)->text();
  return items;
}

QStringList Items(const QComboBox* box) {
  QStringList items;
  for (int i = 0; i < box->count(); ++i) items << box->itemText(i);
  return items;
}

void AddThroughForm(const NamesPage& page, const QString& name, const QString& password,
                    const QString& password_again, QRadioButton* level) {
  Click(page.Bhozza);
  Type(page.Eujnev, name);
  Type(page.Bjelszo, password);
  Type(page.Bjelszo2, password_again);
  if (level != nullptr) Click(level);
  Click(page.Bujfelvitel);
}

}  // namespace kvadrix::test
