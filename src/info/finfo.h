#pragma once
// The modal Info window: links to the technique pages and the version.
#include <QDialog>
#include <QUrl>
#include <functional>

namespace kvadrix::info {

class TFInfo : public QDialog {
  Q_OBJECT
 public:
  // Opens an address in the user's browser without blocking; tests pass their own.
  using UrlOpener = std::function<void(const QUrl&)>;

  explicit TFInfo(QWidget* parent = nullptr, UrlOpener opener = {});

 private:
  UrlOpener opener_;
};

}  // namespace kvadrix::info
