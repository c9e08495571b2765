#pragma once
// SIGTERM, SIGHUP and SIGINT (a logout, `kill`, a closed terminal) reach the event loop as a
// call, through a pipe the signal handler writes one byte to; the handler does nothing else, so
// a save the signal interrupts runs on to its end before the call comes.
#include <QObject>
#include <functional>

class QSocketNotifier;

namespace kvadrix::app {

class TTabla;

class ExitSignals : public QObject {
 public:
  // Only one may exist at a time: the handlers are the process's.
  explicit ExitSignals(std::function<void(int signal)> on_signal, QObject* parent = nullptr);
  ~ExitSignals() override;

 private:
  void Drain();

  std::function<void(int)> on_signal_;
  QSocketNotifier* notifier_ = nullptr;
};

// The program's answer: the game in play is stored as closing the window stores it, then the
// process ends by the same signal, so whoever sent it sees it obeyed. Nothing is asked: the
// session is ending.
void EndOnSignal(TTabla& window, int signal);

}  // namespace kvadrix::app
