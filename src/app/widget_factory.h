#pragma once
// Small builders for the window's controls: each gets its name as objectName, its caption,
// its place and, where it has one, its hint.
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRect>
#include <QString>

namespace kvadrix::app {

template <typename Widget>
Widget* Named(Widget* widget, const char* name, const QRect& geometry) {
  widget->setObjectName(QString::fromLatin1(name));
  widget->setGeometry(geometry);
  return widget;
}

inline QLabel* MakeLabel(QWidget* parent, const char* name, const QString& caption,
                         const QRect& geometry) {
  return Named(new QLabel(caption, parent), name, geometry);
}

inline QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption,
                               const QRect& geometry) {
  auto* button = Named(new QPushButton(caption, parent), name, geometry);
  button->setAutoDefault(false);
  return button;
}

// A label in the pages' light yellow.
QLabel* MakeYellowLabel(QWidget* parent, const char* name, const QString& caption,
                        const QRect& geometry, int pixel_size = 11, bool bold = false);

// A group box; its frame and yellow caption come from the pages' style sheet.
QGroupBox* MakeGroup(QWidget* parent, const char* name, const QString& caption,
                     const QRect& geometry);

inline QCheckBox* MakeCheck(QWidget* parent, const char* name, const QString& caption,
                            const QString& hint, const QRect& geometry, bool checked) {
  auto* box = Named(new QCheckBox(caption, parent), name, geometry);
  if (!hint.isEmpty()) box->setToolTip(hint);
  box->setChecked(checked);
  return box;
}

inline QRadioButton* MakeRadio(QWidget* parent, const char* name, const QString& caption,
                               const QString& hint, const QRect& geometry, bool checked) {
  auto* button = Named(new QRadioButton(caption, parent), name, geometry);
  if (!hint.isEmpty()) button->setToolTip(hint);
  button->setChecked(checked);
  return button;
}

// A masked edit keeping at most `max_length` characters; the "*" it shows comes from the pages'
// style sheet.
QLineEdit* MakePasswordEdit(QWidget* parent, const char* name, const QRect& geometry,
                            int max_length);

}  // namespace kvadrix::app
