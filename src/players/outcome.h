#pragma once
#include <string>

namespace kvadrix::players {

// What an action reports back to its handler: whether the change was made, and the text to
// show (a refusal, or the confirmation of the change).
struct Outcome {
  bool done = false;
  std::string message;
};

}  // namespace kvadrix::players
