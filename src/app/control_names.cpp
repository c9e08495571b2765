#include "app/control_names.h"

#include <QLineEdit>

namespace kvadrix::app {

void NameControl(QWidget* control, const QString& name) {
  if (control->accessibleName() != name) control->setAccessibleName(name);
  for (QLineEdit* inner : control->findChildren<QLineEdit*>()) {
    if (inner->accessibleName() != name) inner->setAccessibleName(name);
  }
}

// The caption also becomes the control's buddy: on Linux a screen reader takes a combo box's
// label from that relation, its name being the text it shows.
void NameAfterCaption(QWidget* control, QLabel* caption) {
  QString name = caption->text().trimmed();
  if (name.endsWith(QChar(':'))) name.chop(1);
  NameControl(control, name);
  if (caption->buddy() != control) caption->setBuddy(control);
}

}  // namespace kvadrix::app
