// "Excel-be": the grid as a new workbook in the user's documents, handed to the desktop's
// spreadsheet program, which opens it on its own while the game goes on. When nothing opens
// it, the message says where the workbook is.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPointer>
#include <QProcess>
#include <QStandardPaths>

#include "app/tabla.h"
#include "common/error.h"
#include "export/board_export.h"

namespace kvadrix::app {
namespace {

constexpr char kXlsxType[] = "application/vnd.openxmlformats-officedocument.spreadsheetml.sheet";

std::filesystem::path DocumentsFolder() {
  QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (folder.isEmpty() || !QDir(folder).exists()) folder = QDir::homePath();
  return std::filesystem::path(QFile::encodeName(folder).toStdString());
}

// Runs the program and reports its success when it ends; the window goes on meanwhile.
void RunThen(const QString& program, const QStringList& arguments,
             std::function<void(bool ok, const QByteArray& output)> then) {
  auto* process = new QProcess();
  process->setProgram(program);
  process->setArguments(arguments);
  process->setStandardInputFile(QProcess::nullDevice());
  QObject::connect(
      process, &QProcess::finished, [process, then](int code, QProcess::ExitStatus how) {
        then(how == QProcess::NormalExit && code == 0, process->readAllStandardOutput());
        process->deleteLater();
      });
  QObject::connect(process, &QProcess::errorOccurred, [process, then](QProcess::ProcessError e) {
    if (e != QProcess::FailedToStart) return;  // the others end in finished
    then(false, {});
    process->deleteLater();
  });
  process->start();
}

// Asks the desktop for the program of .xlsx files first: the opener itself may start, then
// exit with an error a moment later, when there is none.
void OpenWithDesktop(const std::filesystem::path& file, std::function<void(bool)> done) {
  RunThen(QStringLiteral("xdg-mime"),
          {QStringLiteral("query"), QStringLiteral("default"), QString::fromLatin1(kXlsxType)},
          [file, done](bool ok, const QByteArray& handler) {
            if (!ok || handler.trimmed().isEmpty()) return done(false);
            RunThen(QStringLiteral("xdg-open"), {QFile::decodeName(file.c_str())},
                    [done](bool opened, const QByteArray&) { done(opened); });
          });
}

}  // namespace

void TTabla::Bexcel2Click() {
  const std::filesystem::path folder =
      export_target_.folder.empty() ? DocumentsFolder() : export_target_.folder;
  const auto open = export_target_.open ? export_target_.open : OpenWithDesktop;
  QApplication::setOverrideCursor(Qt::WaitCursor);
  std::filesystem::path file;
  try {
    file = sheet::ExportBoard(game().board, folder,
                              sheet::ExportName(session_.PuzzleId(), clock_.Now()));
  } catch (const Error&) {
    // Reported below, as a failed opening is.
  }
  QApplication::restoreOverrideCursor();
  if (file.empty()) return Inform(sheet::kExportFailedMessage);
  // The window may be gone by the time the desktop answers.
  open(file, [window = QPointer<TTabla>(this), file](bool opened) {
    if (opened || window == nullptr) return;
    window->Inform(std::string(sheet::kExportFailedMessage) + "\r\n" +
                   std::string(sheet::kExportSavedAt) + file.string());
  });
}

}  // namespace kvadrix::app
