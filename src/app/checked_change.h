#pragma once
// The window's handler rule for check boxes and radio buttons: a handler runs whenever the
// checked state really changes, whether the user clicked or a program step set it, and never
// when the box is set to the state it already has. QAbstractButton::toggled fires exactly then
// (and for the radio button that an exclusive group unchecks), so every such handler hangs on it.
#include <QAbstractButton>
#include <utility>

namespace kvadrix::app {

template <typename Handler>
void OnCheckedChange(QAbstractButton* button, Handler handler) {
  QObject::connect(button, &QAbstractButton::toggled, button,
                   [handler = std::move(handler)](bool) { handler(); });
}

}  // namespace kvadrix::app
