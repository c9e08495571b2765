#pragma once
// A name is shown as it was typed: a label left to guess would read "<i>" or "&lt;" in it as
// markup and show something else.
#include <QLabel>
#include <QString>

namespace kvadrix::widgets {

inline void SetPlainText(QLabel* label, const QString& text) {
  label->setTextFormat(Qt::PlainText);
  label->setText(text);
}

}  // namespace kvadrix::widgets
