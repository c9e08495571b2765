#pragma once
// Accessible names for the controls that show no caption of their own, so a screen reader can
// say what each one is for. An edit, a combo box or the spin box is named after the label in
// front of it, without the closing colon ("Kiválasztott játékos"), and that label is its buddy;
// the few without a label get a name of their own. Every other control keeps its caption as its
// name.
#include "app/tabla_controls.h"

namespace kvadrix::app {

// Run once the controls are built, and again whenever the labels in front of them change (the
// player form's modes retitle three of them).
void NameUncaptionedControls(const TablaControls& ui);

}  // namespace kvadrix::app
