#include "app/qt_dialogs.h"

#include <QMessageBox>

namespace kvadrix::app {
namespace {

const QString kTitle = QStringLiteral("Sud");

QString ToQt(const std::string& text) {
  // "\r\n" in the game's texts is a line break; the box wants plain "\n".
  return QString::fromUtf8(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

}  // namespace

void QtDialogs::Inform(const std::string& text) {
  QMessageBox::information(parent_, kTitle, ToQt(text), QMessageBox::Ok);
}

bool QtDialogs::Ask(const std::string& text) {
  return QMessageBox::question(parent_, kTitle, ToQt(text), QMessageBox::Yes | QMessageBox::No,
                               QMessageBox::Yes) == QMessageBox::Yes;
}

}  // namespace kvadrix::app
