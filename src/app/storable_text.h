#pragma once
// The table files hold code page 1250 text. A character outside it is refused the moment it
// is typed (or pasted): the box goes back to its last text and the refusal is shown, so nothing
// can later be stored mangled.
#include <QLineEdit>
#include <functional>
#include <string>

namespace kvadrix::app {

void RefuseUnstorableText(QLineEdit* edit, std::string refusal,
                          std::function<void(const std::string&)> inform);

}  // namespace kvadrix::app
