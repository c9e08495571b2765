// The tick of a check box and the dot of a radio button stand out from the box they sit in, by
// at least 3:1, on a light desktop and on a dark one, and so do the grid's digits when the desktop
// turns dark during a game; measured on the rendered pixels.
#include <QCheckBox>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QtTest>
#include <cmath>
#include <map>

#include "support/ui/names_page.h"
#include "support/ui/ui_fixtures.h"
#include "support/ui/window_steps.h"

using namespace kvadrix::test;

namespace {

double Luminance(QRgb rgb) {
  const auto channel = [](int value) {
    const double c = value / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * channel(qRed(rgb)) + 0.7152 * channel(qGreen(rgb)) + 0.0722 * channel(qBlue(rgb));
}

double Contrast(QRgb a, QRgb b) {
  const double la = Luminance(a), lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The commonest colour of the area is the ground, the mark is what differs most from it.
double InkContrast(const QImage& image, const QRect& inner) {
  const qreal scale = image.devicePixelRatio();
  std::map<QRgb, int> counts;
  for (int y = inner.top(); y <= inner.bottom(); ++y) {
    for (int x = inner.left(); x <= inner.right(); ++x) {
      ++counts[image.pixel(int(x * scale), int(y * scale)) | 0xff000000u];
    }
  }
  QRgb box = 0;
  int most = 0;
  for (const auto& [colour, count] : counts) {
    if (count > most) std::tie(box, most) = std::pair{colour, count};
  }
  double best = 1;
  for (const auto& [colour, count] : counts) best = std::max(best, Contrast(colour, box));
  return best;
}

double MarkContrast(QAbstractButton* button) {
  QStyleOptionButton option;
  option.initFrom(button);
  const bool radio = qobject_cast<QRadioButton*>(button) != nullptr;
  const QRect indicator = button->style()->subElementRect(
      radio ? QStyle::SE_RadioButtonIndicator : QStyle::SE_CheckBoxIndicator, &option, button);
  return InkContrast(button->grab().toImage(), indicator.adjusted(3, 3, -3, -3));
}

QPalette DarkDesktop(QPalette dark) {
  dark.setColor(QPalette::Window, QColor(0x30, 0x30, 0x30));
  dark.setColor(QPalette::WindowText, QColor(0xee, 0xee, 0xee));
  dark.setColor(QPalette::Base, QColor(0x20, 0x20, 0x20));
  dark.setColor(QPalette::Text, QColor(0xee, 0xee, 0xee));
  dark.setColor(QPalette::Button, QColor(0x40, 0x40, 0x40));
  dark.setColor(QPalette::ButtonText, QColor(0xee, 0xee, 0xee));
  return dark;
}

void CheckEveryMark(const char* desktop) {
  PlayFolder folder;
  folder.WritePuzzles(SmallLibrary());
  WindowUnderTest w(folder);
  w.window->show();
  QVERIFY(QTest::qWaitForWindowExposed(w.window.get()));
  const QList<QAbstractButton*> buttons = w.window->findChildren<QAbstractButton*>();
  int measured = 0;
  for (QAbstractButton* button : buttons) {
    if (qobject_cast<QCheckBox*>(button) == nullptr &&
        qobject_cast<QRadioButton*>(button) == nullptr)
      continue;
    // A control the window hides, or one in a form that is switched off, is not for reading.
    if (button->isHidden() || !button->parentWidget()->isEnabled()) continue;
    const bool was_checked = button->isChecked();
    const bool was_enabled = button->isEnabled();
    const QSignalBlocker quiet(button);
    button->setEnabled(true);
    button->setChecked(true);
    const double contrast = MarkContrast(button);
    QVERIFY2(contrast >= 3.0, qPrintable(QStringLiteral("%1 on a %2 desktop: %3:1")
                                             .arg(button->objectName())
                                             .arg(desktop)
                                             .arg(contrast, 0, 'f', 2)));
    button->setChecked(was_checked);
    button->setEnabled(was_enabled);
    ++measured;
  }
  QVERIFY(measured >= 8);
}

}  // namespace

class ContrastTest : public QObject {
  Q_OBJECT

 private slots:
  void MarksStandOutOnALightDesktop() { CheckEveryMark("light"); }

  void MarksStandOutOnADarkDesktop() {
    const QPalette light = QApplication::palette();
    QApplication::setPalette(DarkDesktop(light));
    CheckEveryMark("dark");
    QApplication::setPalette(light);
  }

  // The digits keep their own colours when the desktop's palette changes under a running game.
  void DigitsStandOutWhenTheDesktopTurnsDark() {
    PlayFolder folder;
    folder.WritePuzzles(SmallLibrary());
    folder.WritePlayers({"Anna"});
    WindowUnderTest w(folder);
    QVERIFY(ShowWindow(w));
    Click(w.Find<QPushButton>("Btovabb"));
    LoadPuzzle(w, QStringLiteral("Könnyű"), QStringLiteral("1"));
    const QPalette light = QApplication::palette();
    QApplication::setPalette(DarkDesktop(light));
    QTest::qWait(20);  // the desktop's change reaches the widgets as events
    int measured = 0;
    for (QLabel* cell : w.window->findChildren<QLabel*>(QRegularExpression("^L[1-9][1-9]$"))) {
      if (cell->text() == QStringLiteral("_")) continue;
      const double contrast =
          InkContrast(cell->grab().toImage(), cell->rect().adjusted(2, 2, -2, -2));
      QVERIFY2(contrast >= 3.0, qPrintable(QStringLiteral("%1 \"%2\": %3:1")
                                               .arg(cell->objectName(), cell->text())
                                               .arg(contrast, 0, 'f', 2)));
      ++measured;
    }
    QApplication::setPalette(light);
    QVERIFY(measured >= 20);
  }
};

QTEST_MAIN(ContrastTest)
#include "contrast_test.moc"
