#pragma once
// Every control of the main window, under its own name (each also carries it as objectName).
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <array>

#include "app/cell_label.h"

namespace kvadrix::app {

struct TablaControls {
  // Window parts.
  QTabWidget* TB = nullptr;
  QStatusBar* SB = nullptr;
  QLabel* sb_text = nullptr;  // the status bar's one text
  QTimer* T1 = nullptr;
  QAction* Nyelv1 = nullptr;
  QAction* magyar1 = nullptr;
  QAction* english1 = nullptr;
  QAction* Valami1 = nullptr;

  // Page 0, "Név".
  QLabel* Label3 = nullptr;
  QLineEdit* Ekiv = nullptr;
  QLabel* Label4 = nullptr;
  QGroupBox* GroupBox2 = nullptr;
  QPushButton* Bhozza = nullptr;
  QPushButton* Bmod = nullptr;
  QPushButton* Btorol = nullptr;
  QPushButton* Btovabb = nullptr;
  QListWidget* Mnevek = nullptr;
  QGroupBox* GBuj = nullptr;
  QLabel* Lnev = nullptr;
  QLineEdit* Eujnev = nullptr;
  QComboBox* dbnevek = nullptr;
  QLabel* Ljelszo = nullptr;
  QLineEdit* Bjelszo = nullptr;
  QLabel* Ljelszo2 = nullptr;
  QLineEdit* Bjelszo2 = nullptr;
  QLabel* LjelszoR = nullptr;
  QLineEdit* BjelszoR = nullptr;
  QLabel* Lszin = nullptr;
  QSpinBox* SE = nullptr;
  QLabel* Lszint = nullptr;
  QRadioButton* RBujk = nullptr;
  QRadioButton* RBujh = nullptr;
  QRadioButton* RBujm = nullptr;
  QPushButton* Bujfelvitel = nullptr;
  QPushButton* Bmodosit = nullptr;
  QPushButton* Btorles = nullptr;

  // Page 1, "Játék".
  QGroupBox* GroupBox16 = nullptr;
  QComboBox* CBBe = nullptr;
  QComboBox* CBjatek = nullptr;
  QLabel* Ldb = nullptr;
  QPushButton* Bbetoltes = nullptr;
  QPushButton* Bexcel = nullptr;
  QGroupBox* GroupBox12 = nullptr;
  QCheckBox* CBE = nullptr;
  QCheckBox* CBE2 = nullptr;
  QCheckBox* CBE3 = nullptr;
  QCheckBox* CBO = nullptr;
  QPushButton* Bfel = nullptr;
  QPushButton* Bel = nullptr;
  QCheckBox* CBE5D = nullptr;
  QCheckBox* CBX = nullptr;
  QCheckBox* CBU = nullptr;
  QCheckBox* CBE9 = nullptr;
  QGroupBox* GroupBox13 = nullptr;
  QPushButton* Bcsak1 = nullptr;
  QPushButton* Bteljes = nullptr;
  QGroupBox* GroupBox15 = nullptr;
  QRadioButton* rbk = nullptr;
  QRadioButton* rbh = nullptr;
  QRadioButton* rbm = nullptr;
  QCheckBox* cbsz = nullptr;
  QPushButton* Bundo = nullptr;
  QPushButton* Button1 = nullptr;
  QGroupBox* GroupBox11 = nullptr;
  QLabel* Label1 = nullptr;
  QLabel* Lido = nullptr;
  QGroupBox* GroupBox10 = nullptr;
  QLabel* Lmaradt = nullptr;
  QGroupBox* UDO = nullptr;
  std::array<QPushButton*, 10> digit_buttons{};  // [d] is B<d>; [0] is B0, the eraser
  QGroupBox* GroupBox3 = nullptr;
  QLabel* Lnevaki = nullptr;
  QLabel* Lnaeredmeny = nullptr;
  QGroupBox* GroupBox4 = nullptr;
  QLabel* Label5 = nullptr;
  QLabel* Lnevvalaki = nullptr;
  QLabel* Lnveredmeny = nullptr;

  // Page 2, "Összesítés".
  QTableView* Racs = nullptr;

  // The grid over the tab control: GB1..GB9 ([1]..[9]), the strip GB22, and the cell labels
  // L11..L99 and S11..S99 ([row][col], 1-based).
  std::array<QGroupBox*, 10> boxes{};
  QGroupBox* GB22 = nullptr;
  std::array<std::array<ClickableLabel*, 10>, 10> digit_labels{};
  std::array<std::array<QLabel*, 10>, 10> candidate_labels{};
};

}  // namespace kvadrix::app
