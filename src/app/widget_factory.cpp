#include "app/widget_factory.h"

#include "widgets/ui_look.h"

namespace kvadrix::app {

QGroupBox* MakeGroup(QWidget* parent, const char* name, const QString& caption,
                     const QRect& geometry) {
  auto* group = Named(new QGroupBox(caption, parent), name, geometry);
  group->setFont(widgets::UiFont(11));
  return group;
}

QLabel* MakeYellowLabel(QWidget* parent, const char* name, const QString& caption,
                        const QRect& geometry, int pixel_size, bool bold) {
  QLabel* label = MakeLabel(parent, name, caption, geometry);
  label->setFont(widgets::UiFont(pixel_size, bold));
  widgets::SetTextColour(label, widgets::kLightYellow);
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
