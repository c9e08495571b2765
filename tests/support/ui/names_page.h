#pragma once
// The name page's controls by name, and the steps a user takes on it.
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QString>
#include <QStringList>

#include "support/ui/ui_fixtures.h"

namespace kvadrix::test {

struct NamesPage {
  explicit NamesPage(const WindowUnderTest& w);

  QLineEdit* Ekiv;
  QPushButton* Bhozza;
  QPushButton* Bmod;
  QPushButton* Btorol;
  QPushButton* Btovabb;
  QListWidget* Mnevek;
  QGroupBox* GBuj;
  QLabel* Lnev;
  QLineEdit* Eujnev;
  QComboBox* dbnevek;
  QLabel* Ljelszo;
  QLineEdit* Bjelszo;
  QLabel* Ljelszo2;
  QLineEdit* Bjelszo2;
  QLabel* LjelszoR;
  QLineEdit* BjelszoR;
  QLabel* Lszin;
  QSpinBox* SE;
  QLabel* Lszint;
  QRadioButton* RBujk;
  QRadioButton* RBujh;
  QRadioButton* RBujm;
  QPushButton* Bujfelvitel;
  QPushButton* Bmodosit;
  QPushButton* Btorles;
};

void Click(QWidget* widget);
// A key as a user presses it: `target` takes the focus, as a click or Tab gives it, and the key
// goes to its window, which hands it to whatever widget has the focus then.
void PressKey(QWidget* target, Qt::Key key);

// Types the text key by key, letters beyond ASCII included.
void Type(QWidget* widget, const QString& text);
// Empties the box, then types the text.
void Retype(QLineEdit* edit, const QString& text);
// Chooses a name in the drop-down as the user does; false when it is not listed.
bool Pick(QComboBox* box, const QString& name);
QStringList Items(const QListWidget* list);
QStringList Items(const QComboBox* box);

// "Hozzáad", the form filled in, "Felvitel".
void AddThroughForm(const NamesPage& page, const QString& name, const QString& password,
                    const QString& password_again, QRadioButton* level = nullptr);

}  // namespace kvadrix::test
