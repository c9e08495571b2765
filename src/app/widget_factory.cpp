#include "app/widget_factory.h"

#include "app/ui_look.h"

namespace kvadrix::app {

QGroupBox* MakeGroup(QWidget* parent, const char* name, const QString& caption,
                     const QRect& geometry, const QColor& caption_colour) {
  auto* group = Named(new QGroupBox(caption, parent), name, geometry);
  group->setStyleSheet(
      QStringLiteral("QGroupBox#%1 { border: 1px solid rgba(255, 255, 255, 90); border-radius: 3px;"
                     " margin-top: 7px; }"
                     "QGroupBox#%1::title { subcontrol-origin: margin; left: 5px; padding: 0 1px;"
                     " color: %2; }")
          .arg(QString::fromLatin1(name), caption_colour.name()));
  group->setFont(UiFont(11));
  return group;
}

QLabel* MakeYellowLabel(QWidget* parent, const char* name, const QString& caption,
                        const QRect& geometry, int pixel_size, bool bold) {
  QLabel* label = MakeLabel(parent, name, caption, geometry);
  label->setFont(UiFont(pixel_size, bold));
  SetTextColour(label, kLightYellow);
  return label;
}

QLineEdit* MakePasswordEdit(QWidget* parent, const char* name, const QRect& geometry,
                            int max_length) {
  auto* edit = Named(new QLineEdit(parent), name, geometry);
  edit->setEchoMode(QLineEdit::Password);
  edit->setMaxLength(max_length);  // shown as "*" by the names page's style sheet
  return edit;
}

}  // namespace kvadrix::app
