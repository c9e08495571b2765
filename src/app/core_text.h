#pragma once
// The core's texts are UTF-8; the window's are QString.
#include <QString>
#include <string_view>

namespace kvadrix::app {

inline QString FromCore(std::string_view text) {
  return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

}  // namespace kvadrix::app
