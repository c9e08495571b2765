// Kvadrix: the game reads and writes its table files in the folder it is started in.
#include <QApplication>
#include <QIcon>

#include "app/exit_signals.h"
#include "app/qt_dialogs.h"
#include "app/tabla.h"
#include "common/system_seams.h"
#include "widgets/ui_look.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  // The desktop ties the window to its launcher by the desktop id: WM_CLASS's class on X11 is
  // the application name, the app id on Wayland the desktop file name. Messages keep the title
  // "Sud" (QtDialogs).
  QApplication::setApplicationName(QStringLiteral("hu.kvadrix.Kvadrix"));
  QGuiApplication::setDesktopFileName(QStringLiteral("hu.kvadrix.Kvadrix"));
  QIcon icon;
  for (const int size : {32, 64, 128, 256}) {
    icon.addFile(QStringLiteral(":/icons/kvadrix-%1.png").arg(size), QSize(size, size));
  }
  QApplication::setWindowIcon(icon);
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
