// The yardstick for the game's start: a plain Qt Widgets window of the game window's size with
// as many controls of each kind, on three tabs, and nothing of the game's own look (no style
// sheets, fonts or colours). Like the game, it shows its first page on the first frame; its
// 162 cell labels belong to the second page, as the game's grid belongs to the play page.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>

namespace {

template <typename Widget>
Widget* Place(Widget* widget, int left, int top, int width, int height) {
  widget->setGeometry(left, top, width, height);
  return widget;
}

// Counts of the game's first page: 8 labels, 5 edits, 7 buttons, 3 radio buttons, 2 groups,
// a list, a combo box and a spin box.
void BuildFirstPage(QWidget* page) {
  for (int i = 0; i < 8; ++i)
    Place(new QLabel(QStringLiteral("Felirat:"), page), 20, 10 + 22 * i, 120, 18);
  for (int i = 0; i < 5; ++i) Place(new QLineEdit(page), 150, 10 + 26 * i, 120, 22);
  auto* group = Place(new QGroupBox(QStringLiteral("Csoport "), page), 300, 10, 180, 250);
  Place(new QGroupBox(QStringLiteral("Csoport "), group), 10, 180, 160, 60);
  for (int i = 0; i < 7; ++i)
    Place(new QPushButton(QStringLiteral("Gomb"), group), 20, 20 + 22 * i, 140, 20);
  for (int i = 0; i < 3; ++i) {
    Place(new QRadioButton(QStringLiteral("Szint"), page), 20, 200 + 20 * i, 120, 20);
  }
  Place(new QListWidget(page), 500, 10, 170, 240);
  Place(new QComboBox(page), 150, 150, 120, 22);
  Place(new QSpinBox(page), 150, 180, 50, 22);
}

// Counts of the play page: 9 groups, 2 editable combo boxes, 9 labels, 18 buttons, 9 check boxes,
// 3 radio buttons; below them the grid, 10 groups with 81 digit labels and 81 candidate labels.
void BuildSecondPage(QWidget* page) {
  for (int i = 0; i < 9; ++i) {
    auto* group = Place(new QGroupBox(QStringLiteral("Csoport "), page), 84 * i, 0, 80, 120);
    Place(new QLabel(QStringLiteral("00:00"), group), 4, 16, 70, 16);
    Place(new QPushButton(QString::number(i), group), 4, 34, 34, 20);
    Place(new QPushButton(QString::number(i), group), 40, 34, 34, 20);
    Place(new QCheckBox(QString::number(i), group), 4, 58, 70, 17);
  }
  Place(new QComboBox(page), 0, 124, 80, 22)->setEditable(true);
  Place(new QComboBox(page), 84, 124, 40, 22)->setEditable(true);
  for (int i = 0; i < 3; ++i) {
    Place(new QRadioButton(QStringLiteral("K"), page), 130 + 40 * i, 124, 36, 20);
  }

  Place(new QGroupBox(page), 44, 148, 673, 18);
  for (int box = 0; box < 9; ++box) {
    auto* group = Place(new QGroupBox(page), 44 + 224 * (box % 3), 168 + 162 * (box / 3), 225, 160);
    for (int cell = 0; cell < 9; ++cell) {
      const int left = 8 + 72 * (cell % 3), top = 8 + 52 * (cell / 3);
      Place(new QLabel(QStringLiteral("_"), group), left + 20, top, 18, 37);
      Place(new QLabel(QStringLiteral("123456789"), group), left, top + 32, 54, 13);
    }
  }
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QMainWindow window;
  window.setWindowTitle(QStringLiteral("Startup baseline"));
  QMenu* menu = window.menuBar()->addMenu(QStringLiteral("Nyelv"));
  menu->addAction(QStringLiteral("magyar"));
  menu->addAction(QStringLiteral("english"));
  window.menuBar()->addAction(QStringLiteral("Info"));

  auto* central = new QWidget(&window);
  window.setCentralWidget(central);
  auto* tabs = Place(new QTabWidget(central), 16, 2, 761, 655);
  QWidget* pages[3] = {new QWidget, new QWidget, new QWidget};
  tabs->addTab(pages[0], QStringLiteral("Név"));
  tabs->addTab(pages[1], QStringLiteral("Játék"));
  tabs->addTab(pages[2], QStringLiteral("Összesítés"));
  BuildFirstPage(pages[0]);
  BuildSecondPage(pages[1]);
  Place(new QTableView(pages[2]), 8, 8, 737, 610);
  window.statusBar()->addWidget(new QLabel(QStringLiteral("Játékos neve: ")), 1);

  window.resize(805, 751);
  window.show();
  return QApplication::exec();
}
