#pragma once
// Message boxes and Yes/No questions behind the program's dialog seam.
#include <QWidget>

#include "common/seams.h"

namespace kvadrix::app {

class QtDialogs : public Dialogs {
 public:
  void SetParent(QWidget* parent) { parent_ = parent; }
  void Inform(const std::string& text) override;
  bool Ask(const std::string& text) override;

 private:
  QWidget* parent_ = nullptr;
};

}  // namespace kvadrix::app
