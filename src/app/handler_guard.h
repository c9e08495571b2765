#pragma once
// Runs handlers so that a core error ends the handler it was raised in and is shown, as every
// handler's convention is; every message and question of the window goes through here.
#include <functional>
#include <string>
#include <string_view>

#include "common/seams.h"

namespace kvadrix::app {

class HandlerGuard {
 public:
  explicit HandlerGuard(Dialogs& dialogs) : dialogs_(dialogs) {}

  void Run(const std::function<void()>& body);
  // The handler as a slot: every signal connection of the window runs its handler so, and the
  // handlers themselves do not catch.
  std::function<void()> Wrap(std::function<void()> handler) {
    return [this, handler = std::move(handler)] { Run(handler); };
  }
  void Inform(std::string_view text) { dialogs_.Inform(std::string(text)); }
  bool Ask(std::string_view text) { return dialogs_.Ask(std::string(text)); }

 private:
  Dialogs& dialogs_;
};

}  // namespace kvadrix::app
