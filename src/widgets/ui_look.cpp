#include "widgets/ui_look.h"

#include <QAbstractButton>
#include <QPalette>
#include <QWidget>

namespace kvadrix::widgets {

QFont UiFont(int pixel_size, bool bold) {
  QFont font(kUiFontFamily);
  font.setPixelSize(pixel_size);
  font.setBold(bold);
  return font;
}

void InstallFontSubstitution() {
  QFont::insertSubstitutions(kUiFontFamily, {QStringLiteral("Liberation Sans"),
                                             QStringLiteral("Arial"), QStringLiteral("Helvetica")});
}

QString PagesStyleSheet() {
  return QStringLiteral(
             "QTabWidget#TB::pane { border: 1px solid rgb(32, 80, 80); background: rgb(64, 128, "
             "128); }"
             "QTabWidget#TB > QTabBar::tab { background: rgb(48, 104, 104); color: %1;"
             " padding: 4px 18px; border: 1px solid rgb(32, 80, 80); border-bottom: none;"
             " border-top-left-radius: 4px; border-top-right-radius: 4px; font-weight: bold; }"
             "QTabWidget#TB > QTabBar::tab:selected { background: rgb(64, 128, 128); }"
             // Small buttons ("Vissza" is 42 x 17) keep their captions whole.
             "QPushButton { padding: 0px 2px; }"
             // A password box reads its mask character when it is made, so this rule must be in
             // force before the names page is built.
             "QLineEdit { lineedit-password-character: 42; }"
             "QGroupBox { border: 1px solid rgba(255, 255, 255, 90); border-radius: 3px;"
             " margin-top: 7px; }"
             "QGroupBox::title { subcontrol-origin: margin; left: 5px; padding: 0 1px; color: %1; }"
             // The thin rule between the two best results.
             "QGroupBox#GroupBox4 { border-radius: 0px; margin-top: 0px; }")
      .arg(kLightYellow.name());
}

void SetTextColour(QWidget* widget, const QColor& colour) {
  // Repaints are frequent; but a colour only inherited would follow the desktop's palette.
  if (widget->testAttribute(Qt::WA_SetPalette) &&
      widget->palette().color(QPalette::WindowText) == colour) {
    return;
  }
  QPalette palette = widget->palette();
  palette.setColor(QPalette::WindowText, colour);
  palette.setColor(QPalette::Text, colour);
  widget->setPalette(palette);
}

void SetCaptionColour(QAbstractButton* button, const QColor& colour) {
  QPalette palette = button->palette();
  palette.setColor(QPalette::WindowText, colour);
  button->setPalette(palette);
}

}  // namespace kvadrix::widgets
