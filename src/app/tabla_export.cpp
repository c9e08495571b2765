// "Excel-be": the grid as a new workbook, handed to the desktop's spreadsheet program, which
// opens it on its own while the game goes on.
#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QUrl>

#include "app/tabla.h"
#include "common/error.h"
#include "export/board_export.h"

namespace kvadrix::app {
namespace {

bool OpenWithDesktop(const std::filesystem::path& file) {
  return QDesktopServices::openUrl(QUrl::fromLocalFile(QFile::decodeName(file.c_str())));
}

}  // namespace

void TTabla::Bexcel2Click() {
  const std::filesystem::path folder =
      export_target_.folder.empty()
          ? std::filesystem::path(QFile::encodeName(QDir::tempPath()).toStdString())
          : export_target_.folder;
  const std::function<bool(const std::filesystem::path&)> open =
      export_target_.open ? export_target_.open : OpenWithDesktop;
  QApplication::setOverrideCursor(Qt::WaitCursor);
  bool opened = false;
  try {
    opened = open(sheet::ExportBoard(game().board, folder));
  } catch (const Error&) {
    // Reported below, as a failed opening is.
  }
  QApplication::restoreOverrideCursor();
  if (!opened) Inform(sheet::kExportFailedMessage);
}

}  // namespace kvadrix::app
