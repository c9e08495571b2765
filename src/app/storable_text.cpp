#include "app/storable_text.h"

#include "tables/table_store.h"

namespace kvadrix::app {
namespace {

class StorableTextGuard : public QObject {
 public:
  StorableTextGuard(QLineEdit* edit, std::string refusal,
                    std::function<void(const std::string&)> inform)
      : QObject(edit),
        edit_(edit),
        refusal_(std::move(refusal)),
        inform_(std::move(inform)),
        last_text_(edit->text()),
        last_cursor_(edit->cursorPosition()) {
    connect(edit, &QLineEdit::textChanged, this, [this](const QString& text) { Check(text); });
  }

 private:
  void Check(const QString& text) {
    if (tables::FitsCodePage1250(text.toStdString())) {
      last_text_ = text;
      last_cursor_ = edit_->cursorPosition();
      return;
    }
    const int cursor = last_cursor_;
    edit_->setText(last_text_);  // runs Check again with storable text
    edit_->setCursorPosition(cursor);
    inform_(refusal_);
  }

  QLineEdit* edit_;
  std::string refusal_;
  std::function<void(const std::string&)> inform_;
  QString last_text_;
  int last_cursor_;
};

}  // namespace

void RefuseUnstorableText(QLineEdit* edit, std::string refusal,
                          std::function<void(const std::string&)> inform) {
  new StorableTextGuard(edit, std::move(refusal), std::move(inform));
}

}  // namespace kvadrix::app
