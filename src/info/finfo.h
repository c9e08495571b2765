#pragma once
// The modal Info window: links to the technique pages and the version.
#include <QDialog>
#include <QUrl>
#include <functional>

#include "info/technique_pages.h"

namespace kvadrix::info {

class TFInfo : public QDialog {
  Q_OBJECT
 public:
  // Opens an address in the user's browser without blocking; tests pass their own.
  using UrlOpener = std::function<void(const QUrl&)>;

  // The links go to `site`: by default the one the build was configured with.
  explicit TFInfo(QWidget* parent = nullptr, UrlOpener opener = {},
                  TechniqueSite site = TechniqueSite::Configured());

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  UrlOpener opener_;
  TechniqueSite site_;
};

}  // namespace kvadrix::info
