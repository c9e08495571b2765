// Leaving the program, the digit buttons and the keyboard: Esc closes the window from the game
// page's controls and the name page's buttons; digit keys choose the digit on the game page.
#include <QApplication>
#include <QKeyEvent>

#include "app/tabla.h"
#include "info/finfo.h"

namespace kvadrix::app {
namespace {

constexpr QChar kEsc(27);

}  // namespace

void TTabla::ConnectHandlers() {
  connect(ui_.Button1, &QPushButton::clicked, this, Guard([this] { Button1Click(); }));
  connect(ui_.Valami1, &QAction::triggered, this, Guard([this] { Valami1Click(); }));
  for (int digit = 0; digit <= 9; ++digit) {
    connect(ui_.digit_buttons[digit], &QPushButton::clicked, this,
            Guard([this, digit] { DigitButtonClick(digit); }));
  }
  // Controls whose key presses the window handles (digits and Esc), and the name page's
  // buttons, where only Esc is handled.
  std::vector<QWidget*> game_keys(ui_.digit_buttons.begin(), ui_.digit_buttons.end());
  for (QWidget* widget : std::initializer_list<QWidget*>{
           ui_.CBO, ui_.CBE, ui_.CBE2, ui_.CBE3, ui_.CBE5D, ui_.CBX, ui_.CBU, ui_.CBE9, ui_.Bfel,
           ui_.Bcsak1, ui_.Bteljes, ui_.rbk, ui_.rbh, ui_.rbm, ui_.cbsz, ui_.Bbetoltes}) {
    game_keys.push_back(widget);
  }
  for (QWidget* widget : game_keys) {
    widget->setProperty("kvadrix_keys", QStringLiteral("game"));
    widget->installEventFilter(this);
  }
  for (QWidget* widget : {ui_.Btovabb, ui_.Bhozza, ui_.Bmod, ui_.Btorol}) {
    widget->setProperty("kvadrix_keys", QStringLiteral("esc"));
    widget->installEventFilter(this);
  }
}

bool TTabla::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && watched == ui_.CBjatek) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      Guarded([this] { CBjatekKeyPress(QChar(13)); });
      return true;
    }
    return QMainWindow::eventFilter(watched, event);
  }
  if (event->type() == QEvent::KeyPress) {
    const QString keys = watched->property("kvadrix_keys").toString();
    const QString text = static_cast<QKeyEvent*>(event)->text();
    if (!keys.isEmpty() && text.size() == 1) {
      const QChar key = text.front();
      if (key == kEsc || (keys == QStringLiteral("game") && key.isDigit())) {
        Guarded([this, key] { FormKeyPress(key); });
        return true;
      }
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

void TTabla::keyPressEvent(QKeyEvent* event) {
  // Only when the window itself has the focus; other controls' keys stay theirs.
  QWidget* focus = QApplication::focusWidget();
  if ((focus == nullptr || focus == this) && event->text().size() == 1) {
    const QChar key = event->text().front();
    Guarded([this, key] { FormKeyPress(key); });
    return;
  }
  QMainWindow::keyPressEvent(event);
}

void TTabla::FormKeyPress(QChar key) {
  if (key == kEsc) {
    close();
    return;
  }
  if (key >= QLatin1Char('0') && key <= QLatin1Char('9')) {
    const int digit = key.digitValue();
    ui_.digit_buttons[digit]->setFocus();
    DigitButtonClick(digit);
  }
}

void TTabla::DigitButtonClick(int digit) { session_.SelectDigit(digit); }

void TTabla::Button1Click() { close(); }

void TTabla::Valami1Click() { info_->exec(); }

}  // namespace kvadrix::app
