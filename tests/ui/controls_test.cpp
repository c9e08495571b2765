// Every control of the window is there under its name, with its caption, hint and first state.
#include <QSpinBox>
#include <QTableView>
#include <QtTest>

#include "info/finfo.h"
#include "support/ui/ui_fixtures.h"

using kvadrix::test::PlayFolder;
using kvadrix::test::SmallLibrary;
using kvadrix::test::WindowUnderTest;

namespace {

QString Caption(QWidget* widget) {
  if (auto* button = qobject_cast<QAbstractButton*>(widget)) return button->text();
  if (auto* label = qobject_cast<QLabel*>(widget)) return label->text();
  if (auto* group = qobject_cast<QGroupBox*>(widget)) return group->title();
  return {};
}

}  // namespace

class ControlsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    folder_.WritePuzzles(SmallLibrary());
    w_ = std::make_unique<WindowUnderTest>(folder_);
  }

  void Control_data() {
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("hint");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<int>("checked");  // -1: not a check box
    auto row = [](const char* name, const char* caption, const char* hint, bool enabled, bool shown,
                  int checked = -1) {
      QTest::newRow(name) << QString::fromUtf8(caption) << QString::fromUtf8(hint) << enabled
                          << shown << checked;
    };
    row("Label3", "Kiválasztott játékos:", "", true, true);
    row("Label4", "/Max. 5 játékos játszhat!!!/", "", true, true);
    row("GroupBox2", "Tevékenységek ", "", true, true);
    row("Bhozza", "Hozzáad", "", true, true);
    row("Bmod", "Módosít", "", false, true);
    row("Btorol", "Töröl", "", false, true);
    row("Btovabb", "Tovább", "", false, true);
    row("GBuj", "Új játékos adatainak felvitele ", "", false, true);
    row("Lnev", "Név /minimum 3 karakter/:", "", false, true);
    row("Ljelszo", "Jelszó:", "", false, true);
    row("Ljelszo2", "Jelszó újra:", "", false, true);
    row("LjelszoR", "Jelszó:", "", true, false);
    row("Lszin", "Szín:", "", false, false);
    row("Lszint", "Szint:", "", false, true);
    row("RBujk", "Kezdő", "", false, true, 1);
    row("RBujh", "Haladó", "", false, true, 0);
    row("RBujm", "Mester", "", false, true, 0);
    row("Bujfelvitel", "Felvitel", "", false, true);
    row("Bmodosit", "Módosít", "", true, false);
    row("Btorles", "Törlés", "", true, false);
    row("GroupBox16", "Játék betöltése ", "", true, true);
    row("Ldb", "(3)", "", true, true);
    row("Bbetoltes", "Betöltés", "", true, true);
    row("Bexcel", "Excel-be", "", false, true);
    row("GroupBox12", "Segítség... ", "", true, true);
    row("CBE", "1", "Single Position", true, true, 1);
    row("CBE2", "2", "Single Candidate", true, true, 1);
    row("CBE3", "3", "Candidate Lines", true, true, 1);
    row("CBO", "O", "Single Position/Single Candidate/Candidate Lines", true, true, 1);
    row("Bfel", "Felfedése", "", true, false);
    row("Bel", "Elrejtése", "", true, true);
    row("CBE5D", "D", "", true, false, 0);
    row("CBX", "X", "", true, false, 0);
    row("CBU", "U", "", true, false, 0);
    row("CBE9", "9", "", true, false, 0);
    row("GroupBox13", "Kirakás - Segítséggel ", "", true, true);
    row("Bcsak1", "Csak 1", "", true, true);
    row("Bteljes", "Teljes", "", true, true);
    row("GroupBox15", "Szint ", "", true, true);
    row("rbk", "K", "Kezdő", true, true, 1);
    row("rbh", "H", "Haladó", true, true, 0);
    row("rbm", "M", "Mester", true, true, 0);
    row("cbsz", "Sz. K.", "Számegyezőség kikapcsolása", true, true, 0);
    row("Bundo", "Vissza", "", false, true);
    row("Button1", "Kilépés", "", true, true);
    row("GroupBox11", "Idő mérése ", "", true, true);
    row("Label1", "Idő:", "", true, true);
    row("Lido", "00:00", "", true, true);
    row("GroupBox10", "Maradt ", "", true, true);
    row("Lmaradt", "81", "", true, true);
    row("UDO", "Számbeállítás ", "", true, true);
    row("B1", "1", "", true, true);
    row("B9", "9", "", true, true);
    row("B0", "_", "", true, true);
    row("GroupBox3", "Eredmények az adott játékról ", "", true, true);
    row("Lnaeredmeny", "n.a.", "", true, true);
    row("Label5", "A legjobb eredmény:", "", true, true);
    row("Lnevvalaki", "-------:", "", true, true);
    row("Lnveredmeny", "n.a.", "", true, true);
  }

  void Control() {
    QFETCH(QString, caption);
    QFETCH(QString, hint);
    QFETCH(bool, enabled);
    QFETCH(bool, shown);
    QFETCH(int, checked);
    auto* widget = w_->Find<QWidget>(QTest::currentDataTag());
    QVERIFY2(widget != nullptr, QTest::currentDataTag());
    QCOMPARE(Caption(widget), caption);
    QCOMPARE(widget->toolTip(), hint);
    // The control's own state; a disabled group box disables its children as well.
    QCOMPARE(!widget->testAttribute(Qt::WA_ForceDisabled), enabled);
    QCOMPARE(!widget->isHidden(), shown);
    if (checked >= 0) QCOMPARE(qobject_cast<QAbstractButton*>(widget)->isChecked(), checked == 1);
  }

  void EditsAndLists() {
    QCOMPARE(w_->Find<QLineEdit>("Eujnev")->maxLength(), 10);
    for (const char* name : {"Bjelszo", "Bjelszo2", "BjelszoR"}) {
      auto* edit = w_->Find<QLineEdit>(name);
      QCOMPARE(edit->echoMode(), QLineEdit::Password);
      QCOMPARE(edit->maxLength(), 10);
    }
    QVERIFY(w_->Find<QComboBox>("dbnevek")->isHidden());
    QCOMPARE(w_->Find<QSpinBox>("SE")->value(), 1);
    auto* levels = w_->Find<QComboBox>("CBBe");
    QCOMPARE(levels->count(), 7);
    QCOMPARE(levels->itemText(4), QStringLiteral("Lehetetlen"));
    QCOMPARE(levels->itemText(6), QString());
    QCOMPARE(levels->width(), 78);
    auto* tabs = w_->Find<QTabWidget>("TB");
    QCOMPARE(tabs->geometry(), QRect(16, 2, 761, 655));
    QCOMPARE(tabs->tabText(0), QStringLiteral("Név"));
    QCOMPARE(tabs->tabText(1), QStringLiteral("Játék"));
    QCOMPARE(tabs->tabText(2), QStringLiteral("Összesítés"));
    QCOMPARE(w_->Find<QGroupBox>("GroupBox12")->geometry(), QRect(176, 0, 193, 73));
    QCOMPARE(w_->Find<QPushButton>("Bundo")->geometry(), QRect(492, 40, 42, 17));
    QCOMPARE(w_->Find<QPushButton>("B0")->geometry(), QRect(10 + 9 * 38, 17, 30, 25));
    QCOMPARE(w_->Find<QStatusBar>("SB")->height(), 19);
    auto* racs = w_->Find<QTableView>("Racs");
    QCOMPARE(racs->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Nehézség"));
    QCOMPARE(racs->model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Sorszám"));
    QVERIFY(racs->isColumnHidden(2) && racs->isColumnHidden(6) && !racs->isColumnHidden(1));
  }

  void MenuOffersHungarianAndInfo() {
    auto* magyar = w_->Find<QAction>("magyar1");
    auto* english = w_->Find<QAction>("english1");
    QVERIFY(magyar->isChecked());
    magyar->trigger();  // the one language cannot be switched off
    QVERIFY(magyar->isChecked());
    QVERIFY(!english->isEnabled());
    QCOMPARE(w_->Find<QAction>("Valami1")->text(), QStringLiteral("Info"));
  }

  void InfoWindowIsMadeHiddenAtStartAndReused() {
    const QList<kvadrix::info::TFInfo*> made = w_->window->findChildren<kvadrix::info::TFInfo*>();
    QCOMPARE(made.size(), 1);
    QVERIFY(made[0]->isHidden());
    for (int shown = 0; shown < 2; ++shown) {
      QTimer::singleShot(0, made[0], [&] { made[0]->close(); });
      w_->Find<QAction>("Valami1")->trigger();
    }
    QCOMPARE(w_->window->findChildren<kvadrix::info::TFInfo*>(), made);
  }

  void InfoLinksOpenTheirPages() {
    QList<QUrl> opened;
    kvadrix::info::TFInfo info(nullptr, [&](const QUrl& url) { opened << url; },
                               {QStringLiteral("www.kvadrix.hu"), QString()});
    QCOMPARE(info.windowTitle(), QStringLiteral("Info"));
    QCOMPARE(info.size(), QSize(766, 623));
    for (const char* name : {"Label10", "Label9", "Label11", "Label12", "Label1", "Lverzio"}) {
      auto* label = info.findChild<QLabel*>(QString::fromLatin1(name));
      QVERIFY2(label, name);
      QTest::mouseClick(label, Qt::LeftButton);
    }
    const QStringList paths = {"/pages/techniques-1.php",        "/pages/techniques-2.php",
                               "/pages/techniques-3.php",        "/pages/techniques-overview.php",
                               "/pages/techniques-overview.php", "/pages/techniques-3.php"};
    QCOMPARE(opened.size(), paths.size());
    for (int i = 0; i < paths.size(); ++i) {
      QCOMPARE(opened[i].path(), paths[i]);
      QCOMPARE(opened[i].scheme(), QStringLiteral("http"));
    }
    info.show();
    QTest::keyClick(&info, Qt::Key_Escape);
    QVERIFY(!info.isVisible());
  }

 private:
  PlayFolder folder_;
  std::unique_ptr<WindowUnderTest> w_;
};

QTEST_MAIN(ControlsTest)
#include "controls_test.moc"
