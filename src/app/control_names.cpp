#include "app/control_names.h"

#include <QLineEdit>

namespace kvadrix::app {
namespace {

// The control and the edit inside it (an editable combo box's, the spin box's) alike.
void Name(QWidget* control, const QString& name) {
  if (control->accessibleName() != name) control->setAccessibleName(name);
  for (QLineEdit* inner : control->findChildren<QLineEdit*>()) {
    if (inner->accessibleName() != name) inner->setAccessibleName(name);
  }
}

// The caption also becomes the control's buddy: on Linux a screen reader takes a combo box's
// label from that relation, its name being the text it shows.
void NameAfter(QWidget* control, QLabel* caption) {
  QString name = caption->text().trimmed();
  if (name.endsWith(QChar(':'))) name.chop(1);
  Name(control, name);
  if (caption->buddy() != control) caption->setBuddy(control);
}

}  // namespace

void NameUncaptionedControls(const TablaControls& ui) {
  NameAfter(ui.Ekiv, ui.Label3);
  // One caption for two boxes in one place: the name is typed in one, chosen in the other.
  NameAfter(ui.Eujnev, ui.Lnev);
  NameAfter(ui.dbnevek, ui.Lnev);
  if (!ui.dbnevek->isVisibleTo(ui.GBuj)) ui.Lnev->setBuddy(ui.Eujnev);
  NameAfter(ui.Bjelszo, ui.Ljelszo);
  NameAfter(ui.Bjelszo2, ui.Ljelszo2);
  NameAfter(ui.BjelszoR, ui.LjelszoR);
  NameAfter(ui.SE, ui.Lszin);
  Name(ui.Mnevek, QStringLiteral("Játékosok"));
  Name(ui.CBBe, QStringLiteral("Nehézség"));
  Name(ui.CBjatek, QStringLiteral("Sorszám"));
  Name(ui.Racs, QStringLiteral("Összesítés"));
}

}  // namespace kvadrix::app
