#include "app/keys.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QVariant>
#include <QWidget>

#include "app/handler_guard.h"

namespace kvadrix::app {
namespace {

constexpr QChar kEsc(27);
constexpr char kKeysProperty[] = "kvadrix_keys";

}  // namespace

Keys::Keys(HandlerGuard& guard, KeyHandler form_key_press, QObject* parent)
    : QObject(parent), guard_(guard), form_key_press_(std::move(form_key_press)) {}

void Keys::PassGameKeys(const std::vector<QWidget*>& controls) {
  for (QWidget* widget : controls) {
    widget->setProperty(kKeysProperty, QStringLiteral("game"));
    widget->installEventFilter(this);
  }
}

void Keys::PassEsc(const std::vector<QWidget*>& controls) {
  for (QWidget* widget : controls) {
    widget->setProperty(kKeysProperty, QStringLiteral("esc"));
    widget->installEventFilter(this);
  }
}

void Keys::PassEnter(QWidget* box, KeyHandler handler) {
  enter_box_ = box;
  enter_handler_ = std::move(handler);
  box->installEventFilter(this);
}

bool Keys::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
  if (watched == enter_box_) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      guard_.Run([this] { enter_handler_(QChar(13)); });
      return true;
    }
    return QObject::eventFilter(watched, event);
  }
  const QString keys = watched->property(kKeysProperty).toString();
  const QString text = static_cast<QKeyEvent*>(event)->text();
  if (!keys.isEmpty() && text.size() == 1) {
    const QChar key = text.front();
    if (key == kEsc || (keys == QStringLiteral("game") && key.isDigit())) {
      guard_.Run([this, key] { form_key_press_(key); });
      return true;
    }
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace kvadrix::app
