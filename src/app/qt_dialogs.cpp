#include "app/qt_dialogs.h"

#include <QAbstractButton>
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
  QMessageBox box(QMessageBox::Question, kTitle, ToQt(text), QMessageBox::Yes | QMessageBox::No,
                  parent_);
  // The game speaks Hungarian; Qt's own captions would be English.
  box.button(QMessageBox::Yes)->setText(QStringLiteral("Igen"));
  box.button(QMessageBox::No)->setText(QStringLiteral("Nem"));
  box.setDefaultButton(QMessageBox::Yes);
  return box.exec() == QMessageBox::Yes;
}

}  // namespace kvadrix::app
