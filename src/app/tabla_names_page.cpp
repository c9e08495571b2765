// Page 0, "Név": choosing, adding, changing and deleting players.
#include "app/tabla.h"
#include "app/ui_look.h"
#include "app/widget_factory.h"

namespace kvadrix::app {
void TTabla::BuildNamesPage(QWidget* page) {
  ui_.Label3 = MakeYellowLabel(page, "Label3", QStringLiteral("Kiválasztott játékos:"),
                               QRect(40, 36, 200, 18), 13, true);
  ui_.Ekiv = Named(new QLineEdit(page), "Ekiv", QRect(40, 58, 180, 24));
  ui_.Ekiv->setFont(UiFont(13, true));
  ui_.Label4 = MakeYellowLabel(page, "Label4", QStringLiteral("/Max. 5 játékos játszhat!!!/"),
                               QRect(40, 88, 200, 16));

  ui_.GroupBox2 =
      MakeGroup(page, "GroupBox2", QStringLiteral("Tevékenységek "), QRect(40, 116, 180, 132));
  ui_.Bhozza =
      MakeButton(ui_.GroupBox2, "Bhozza", QStringLiteral("Hozzáad"), QRect(20, 24, 140, 27));
  ui_.Bmod = MakeButton(ui_.GroupBox2, "Bmod", QStringLiteral("Módosít"), QRect(20, 58, 140, 27));
  ui_.Btorol = MakeButton(ui_.GroupBox2, "Btorol", QStringLiteral("Töröl"), QRect(20, 92, 140, 27));
  ui_.Btovabb = MakeButton(page, "Btovabb", QStringLiteral("Tovább"), QRect(40, 262, 180, 38));
  ui_.Btovabb->setFont(UiFont(15, true));

  ui_.Mnevek = Named(new QListWidget(page), "Mnevek", QRect(250, 58, 170, 242));
  ui_.Mnevek->setFont(UiFont(13));

  ui_.GBuj = MakeGroup(page, "GBuj", QStringLiteral("Új játékos adatainak felvitele "),
                       QRect(450, 36, 285, 264));
  ui_.GBuj->setEnabled(false);
  QWidget* form = ui_.GBuj;
  ui_.Lnev = MakeYellowLabel(form, "Lnev", QStringLiteral("Név /minimum 3 karakter/:"),
                             QRect(12, 26, 140, 16));
  ui_.Eujnev = Named(new QLineEdit(form), "Eujnev", QRect(150, 22, 120, 22));
  ui_.Eujnev->setMaxLength(10);
  ui_.dbnevek = Named(new QComboBox(form), "dbnevek", QRect(150, 22, 120, 22));
  ui_.dbnevek->hide();
  ui_.LjelszoR =
      MakeYellowLabel(form, "LjelszoR", QStringLiteral("Jelszó:"), QRect(12, 58, 136, 16));
  ui_.BjelszoR = MakePasswordEdit(form, "BjelszoR", QRect(150, 54, 120, 22), 10);
  ui_.LjelszoR->hide();
  ui_.BjelszoR->hide();
  // Two lines high: the delete form asks "Adja meg a jelszavát a törléshez:" here.
  ui_.Ljelszo = MakeYellowLabel(form, "Ljelszo", QStringLiteral("Jelszó:"), QRect(12, 80, 136, 34));
  ui_.Ljelszo->setWordWrap(true);
  ui_.Bjelszo = MakePasswordEdit(form, "Bjelszo", QRect(150, 86, 120, 22), 10);
  ui_.Ljelszo2 =
      MakeYellowLabel(form, "Ljelszo2", QStringLiteral("Jelszó újra:"), QRect(12, 122, 136, 16));
  ui_.Bjelszo2 = MakePasswordEdit(form, "Bjelszo2", QRect(150, 118, 120, 22), 10);
  ui_.Lszin = MakeYellowLabel(form, "Lszin", QStringLiteral("Szín:"), QRect(12, 150, 60, 16));
  ui_.SE = Named(new QSpinBox(form), "SE", QRect(80, 148, 50, 22));
  ui_.SE->setRange(1, 2);
  ui_.SE->setValue(1);
  ui_.Lszin->hide();
  ui_.SE->hide();
  ui_.Lszint = MakeYellowLabel(form, "Lszint", QStringLiteral("Szint:"), QRect(12, 154, 136, 16));
  ui_.RBujk = MakeRadio(form, "RBujk", QStringLiteral("Kezdő"), {}, QRect(150, 150, 120, 20), true);
  ui_.RBujh =
      MakeRadio(form, "RBujh", QStringLiteral("Haladó"), {}, QRect(150, 172, 120, 20), false);
  ui_.RBujm =
      MakeRadio(form, "RBujm", QStringLiteral("Mester"), {}, QRect(150, 194, 120, 20), false);
  for (QRadioButton* radio : {ui_.RBujk, ui_.RBujh, ui_.RBujm}) {
    SetCaptionColour(radio, kLightYellow);
  }
  const QRect action_place(150, 226, 120, 27);
  ui_.Bujfelvitel = MakeButton(form, "Bujfelvitel", QStringLiteral("Felvitel"), action_place);
  ui_.Bmodosit = MakeButton(form, "Bmodosit", QStringLiteral("Módosít"), action_place);
  ui_.Btorles = MakeButton(form, "Btorles", QStringLiteral("Törlés"), action_place);
  ui_.Bmodosit->hide();
  ui_.Btorles->hide();
  for (QWidget* widget : std::initializer_list<QWidget*>{
           ui_.Lnev, ui_.Eujnev, ui_.Ljelszo, ui_.Bjelszo, ui_.Ljelszo2, ui_.Bjelszo2, ui_.Lszin,
           ui_.SE, ui_.Lszint, ui_.RBujk, ui_.RBujh, ui_.RBujm, ui_.Bujfelvitel}) {
    widget->setEnabled(false);
  }
}

}  // namespace kvadrix::app
