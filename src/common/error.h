#pragma once
// The one exception type of the core: its message is shown to the user as it stands.
#include <stdexcept>
#include <string>

namespace kvadrix {

class Error : public std::runtime_error {
 public:
  explicit Error(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace kvadrix
