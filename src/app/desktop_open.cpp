#include "app/desktop_open.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>

namespace kvadrix::app {
namespace {

constexpr char kXlsxType[] = "application/vnd.openxmlformats-officedocument.spreadsheetml.sheet";

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

}  // namespace

std::filesystem::path DocumentsFolder() {
  QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (folder.isEmpty() || !QDir(folder).exists()) folder = QDir::homePath();
  return std::filesystem::path(QFile::encodeName(folder).toStdString());
}

// The program of .xlsx files is asked for first: the opener itself may start, then exit with an
// error a moment later, when there is none.
void OpenWithDesktop(const std::filesystem::path& file, std::function<void(bool)> done) {
  RunThen(QStringLiteral("xdg-mime"),
          {QStringLiteral("query"), QStringLiteral("default"), QString::fromLatin1(kXlsxType)},
          [file, done](bool ok, const QByteArray& handler) {
            if (!ok || handler.trimmed().isEmpty()) return done(false);
            RunThen(QStringLiteral("xdg-open"), {QFile::decodeName(file.c_str())},
                    [done](bool opened, const QByteArray&) { done(opened); });
          });
}

}  // namespace kvadrix::app
