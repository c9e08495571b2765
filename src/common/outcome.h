#pragma once
#include <string>
#include <string_view>

namespace kvadrix {

// What a core operation reports back to its caller: whether it was done, and the text to show
// (its refusal, a named constant of the operation, or the confirmation of the change). The core
// refuses only this way; kvadrix::Error is for faults (a file that cannot be read or written).
struct Outcome {
  bool done = false;
  std::string message;
};

// An action that changed nothing, with its refusal; Result is Outcome or a kind of it.
template <typename Result = Outcome>
Result Refused(std::string_view message) {
  Result refused;
  refused.message = std::string(message);
  return refused;
}

}  // namespace kvadrix
