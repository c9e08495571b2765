// Page 1, "Játék": puzzle loading, digit buttons, clock, remaining count, aids and results.
// Everything sits in the strip above the grid, which covers the rest of the page.
#include "app/core_text.h"
#include "app/tabla.h"
#include "app/ui_look.h"
#include "app/widget_factory.h"
#include "players/best_results.h"
#include "puzzles/levels.h"

namespace kvadrix::app {
void TTabla::BuildPlayPage(QWidget* page) {
  ui_.GroupBox16 =
      MakeGroup(page, "GroupBox16", QStringLiteral("Játék betöltése "), QRect(0, 0, 170, 73));
  ui_.CBBe = Named(new QComboBox(ui_.GroupBox16), "CBBe", QRect(8, 18, 78, 22));
  ui_.CBBe->setEditable(true);
  ui_.CBBe->setInsertPolicy(QComboBox::NoInsert);
  for (const puzzles::Level& level : puzzles::kLevels) ui_.CBBe->addItem(FromCore(level.name));
  ui_.CBBe->addItem(QString());  // no level: "Betöltés" asks for one
  ui_.CBjatek = Named(new QComboBox(ui_.GroupBox16), "CBjatek", QRect(89, 18, 41, 22));
  ui_.CBjatek->setEditable(true);
  ui_.CBjatek->setInsertPolicy(QComboBox::NoInsert);
  ui_.Ldb = MakeYellowLabel(ui_.GroupBox16, "Ldb", QStringLiteral("(0)"), QRect(136, 21, 32, 16));
  ui_.Bbetoltes =
      MakeButton(ui_.GroupBox16, "Bbetoltes", QStringLiteral("Betöltés"), QRect(8, 45, 76, 22));
  ui_.Bexcel =
      MakeButton(ui_.GroupBox16, "Bexcel", QStringLiteral("Excel-be"), QRect(88, 45, 76, 22));
  ui_.Bexcel->setEnabled(false);

  BuildAidControls(page);

  ui_.Bundo = MakeButton(page, "Bundo", QStringLiteral("Vissza"), QRect(492, 40, 42, 17));
  ui_.Bundo->setEnabled(false);

  BuildResultLabels(page);

  ui_.UDO = MakeGroup(page, "UDO", QStringLiteral("Számbeállítás "), QRect(0, 76, 392, 48));
  for (int i = 0; i < 10; ++i) {
    const int digit = i < 9 ? i + 1 : 0;  // left to right: 1..9, then the eraser
    const QString caption = digit ? QString::number(digit) : QStringLiteral("_");
    const QByteArray name = QStringLiteral("B%1").arg(digit).toLatin1();
    QPushButton* button =
        MakeButton(ui_.UDO, name.constData(), caption, QRect(10 + 38 * i, 17, 30, 25));
    button->setFont(UiFont(13, true));
    ui_.digit_buttons[digit] = button;
  }

  ui_.GroupBox11 =
      MakeGroup(page, "GroupBox11", QStringLiteral("Idő mérése "), QRect(398, 76, 118, 48));
  ui_.Label1 =
      MakeYellowLabel(ui_.GroupBox11, "Label1", QStringLiteral("Idő:"), QRect(10, 22, 28, 16), 13);
  ui_.Lido = MakeYellowLabel(ui_.GroupBox11, "Lido", QStringLiteral("00:00"), QRect(42, 17, 70, 24),
                             20, true);
  ui_.GroupBox10 = MakeGroup(page, "GroupBox10", QStringLiteral("Maradt "), QRect(522, 76, 70, 48));
  ui_.Lmaradt = MakeYellowLabel(ui_.GroupBox10, "Lmaradt", QStringLiteral("81"),
                                QRect(10, 17, 50, 24), 20, true);
  ui_.Lmaradt->setAlignment(Qt::AlignCenter);

  ui_.Button1 = MakeButton(page, "Button1", QStringLiteral("Kilépés"), QRect(640, 88, 110, 30));
  ui_.Button1->setFont(UiFont(13, true));
}

void TTabla::BuildAidControls(QWidget* page) {
  ui_.GroupBox12 =
      MakeGroup(page, "GroupBox12", QStringLiteral("Segítség... "), QRect(176, 0, 193, 73));
  QWidget* aids = ui_.GroupBox12;
  ui_.CBE = MakeCheck(aids, "CBE", QStringLiteral("1"), QStringLiteral("Single Position"),
                      QRect(8, 16, 30, 17), true);
  ui_.CBE2 = MakeCheck(aids, "CBE2", QStringLiteral("2"), QStringLiteral("Single Candidate"),
                       QRect(40, 16, 30, 17), true);
  ui_.CBE3 = MakeCheck(aids, "CBE3", QStringLiteral("3"), QStringLiteral("Candidate Lines"),
                       QRect(72, 16, 30, 17), true);
  ui_.CBO = MakeCheck(aids, "CBO", QStringLiteral("O"),
                      QStringLiteral("Single Position/Single Candidate/Candidate Lines"),
                      QRect(128, 52, 30, 17), true);
  ui_.Bfel = MakeButton(aids, "Bfel", QStringLiteral("Felfedése"), QRect(128, 24, 57, 25));
  ui_.Bel = MakeButton(aids, "Bel", QStringLiteral("Elrejtése"), QRect(128, 24, 57, 25));
  ui_.Bfel->hide();
  // Never shown and read by no technique; the level presets only switch them off.
  ui_.CBE5D = MakeCheck(aids, "CBE5D", QStringLiteral("D"), {}, QRect(146, 8, 33, 17), false);
  ui_.CBX = MakeCheck(aids, "CBX", QStringLiteral("X"), {}, QRect(152, 48, 33, 17), false);
  ui_.CBU = MakeCheck(aids, "CBU", QStringLiteral("U"), {}, QRect(112, 8, 33, 17), false);
  ui_.CBE9 = MakeCheck(aids, "CBE9", QStringLiteral("9"), {}, QRect(160, 52, 30, 17), false);
  for (QCheckBox* hidden : {ui_.CBE5D, ui_.CBX, ui_.CBU, ui_.CBE9}) hidden->hide();
  for (QCheckBox* box : {ui_.CBE, ui_.CBE2, ui_.CBE3, ui_.CBO}) SetCaptionColour(box, kLightYellow);

  ui_.GroupBox13 = MakeGroup(page, "GroupBox13", QStringLiteral("Kirakás - Segítséggel "),
                             QRect(376, 35, 113, 38));
  ui_.GroupBox13->setFont(UiFont(10));  // the caption is long for the box's 113 pixels
  ui_.Bcsak1 =
      MakeButton(ui_.GroupBox13, "Bcsak1", QStringLiteral("Csak 1"), QRect(10, 16, 47, 17));
  ui_.Bteljes =
      MakeButton(ui_.GroupBox13, "Bteljes", QStringLiteral("Teljes"), QRect(58, 16, 47, 17));

  ui_.GroupBox15 = MakeGroup(page, "GroupBox15", QStringLiteral("Szint "), QRect(376, 0, 163, 33));
  QWidget* level = ui_.GroupBox15;
  ui_.rbk = MakeRadio(level, "rbk", QStringLiteral("K"), QStringLiteral("Kezdő"),
                      QRect(6, 13, 32, 17), true);
  ui_.rbh = MakeRadio(level, "rbh", QStringLiteral("H"), QStringLiteral("Haladó"),
                      QRect(40, 13, 32, 17), false);
  ui_.rbm = MakeRadio(level, "rbm", QStringLiteral("M"), QStringLiteral("Mester"),
                      QRect(74, 13, 32, 17), false);
  ui_.cbsz = MakeCheck(level, "cbsz", QStringLiteral("Sz. K."),
                       QStringLiteral("Számegyezőség kikapcsolása"), QRect(106, 13, 55, 17), false);
  for (QAbstractButton* button :
       std::initializer_list<QAbstractButton*>{ui_.rbk, ui_.rbh, ui_.rbm, ui_.cbsz}) {
    SetCaptionColour(button, kLightYellow);
  }
}

void TTabla::BuildResultLabels(QWidget* page) {
  ui_.GroupBox3 = MakeGroup(page, "GroupBox3", QStringLiteral("Eredmények az adott játékról "),
                            QRect(545, 0, 210, 73));
  QWidget* results = ui_.GroupBox3;
  ui_.Lnevaki =
      MakeYellowLabel(results, "Lnevaki", FromCore(players::kBestSuffix), QRect(8, 16, 140, 16));
  ui_.Lnaeredmeny = MakeYellowLabel(results, "Lnaeredmeny", FromCore(players::kNoTime),
                                    QRect(150, 16, 56, 16), 11, true);
  ui_.GroupBox4 = Named(new QGroupBox(results), "GroupBox4", QRect(8, 34, 194, 2));
  ui_.Label5 = MakeYellowLabel(results, "Label5", QStringLiteral("A legjobb eredmény:"),
                               QRect(8, 38, 194, 16));
  ui_.Lnevvalaki = MakeYellowLabel(results, "Lnevvalaki", FromCore(players::kNoRecordHolder),
                                   QRect(8, 54, 140, 16));
  ui_.Lnveredmeny = MakeYellowLabel(results, "Lnveredmeny", FromCore(players::kNoTime),
                                    QRect(150, 54, 56, 16), 11, true);
}

}  // namespace kvadrix::app
