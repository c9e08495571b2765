// Kvadrix: the game reads and writes its table files in the folder it is started in.
#include <QApplication>

#include "app/exit_signals.h"
#include "app/qt_dialogs.h"
#include "app/tabla.h"
#include "common/system_seams.h"
#include "widgets/ui_look.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Sud"));
  kvadrix::widgets::InstallFontSubstitution();

  kvadrix::app::QtDialogs dialogs;
  kvadrix::SystemClock clock;
  kvadrix::StdRandom random;
  kvadrix::app::TTabla tabla(dialogs, clock, random);
  dialogs.SetParent(&tabla);
  // Without the puzzle library the message has been shown and there is nothing to play.
  if (tabla.StartupFailed()) return 0;
  const kvadrix::app::ExitSignals exit_signals(
      [&tabla](int signal) { kvadrix::app::EndOnSignal(tabla, signal); });
  tabla.show();
  return QApplication::exec();
}
