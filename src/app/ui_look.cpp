#include "app/ui_look.h"

#include <QPalette>
#include <QWidget>

namespace kvadrix::app {

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

void SetTextColour(QWidget* widget, const QColor& colour) {
  if (widget->palette().color(QPalette::WindowText) == colour) return;  // repaints are frequent
  QPalette palette = widget->palette();
  palette.setColor(QPalette::WindowText, colour);
  palette.setColor(QPalette::Text, colour);
  widget->setPalette(palette);
}

}  // namespace kvadrix::app
