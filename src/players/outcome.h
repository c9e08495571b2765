#pragma once
#include <string>
#include <string_view>

namespace kvadrix::players {

// What an action reports back to its handler: whether the change was made, and the text to
// show (a refusal, or the confirmation of the change).
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

}  // namespace kvadrix::players
