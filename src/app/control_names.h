#pragma once
// Accessible names for the controls that show no caption of their own, so a screen reader can
// say what each one is for. An edit, a combo box or the spin box is named after the label in
// front of it, without the closing colon ("Kiválasztott játékos"), and that label is its buddy;
// the few without a label get a name of their own. Every other control keeps its caption as its
// name. Each part names its controls once they are built, and again whenever the labels in
// front of them change (the player form's modes retitle three of them).
#include <QLabel>
#include <QString>
#include <QWidget>

namespace kvadrix::app {

// The control and the edit inside it (an editable combo box's, the spin box's) alike.
void NameControl(QWidget* control, const QString& name);
void NameAfterCaption(QWidget* control, QLabel* caption);

}  // namespace kvadrix::app
