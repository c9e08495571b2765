#include "app/handler_guard.h"

#include "common/error.h"

namespace kvadrix::app {

void HandlerGuard::Run(const std::function<void()>& body) {
  try {
    body();
  } catch (const Error& error) {
    dialogs_.Inform(error.what());
  }
}

}  // namespace kvadrix::app
