// The main window's construction: the window itself, its menu, status bar, tab control and grid.
#include "app/tabla.h"

#include <QActionGroup>
#include <QApplication>
#include <QMenuBar>
#include <QScreen>

#include "app/control_names.h"
#include "app/summary_model.h"
#include "app/ui_look.h"
#include "app/widget_factory.h"
#include "common/error.h"
#include "info/finfo.h"
#include "players/player_tables.h"

namespace kvadrix::app {
namespace {

QSize PrimaryScreenSize() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->size() : QSize(1280, 1024);
}

}  // namespace

TTabla::TTabla(Dialogs& dialogs, const Clock& clock, RandomSource& random,
               std::filesystem::path work_dir, ScreenSize screen_size, QWidget* parent)
    : QMainWindow(parent),
      dialogs_(dialogs),
      clock_(clock),
      random_(random),
      work_dir_(std::move(work_dir)),
      screen_size_(screen_size ? std::move(screen_size) : ScreenSize(PrimaryScreenSize)),
      session_(clock),
      cds_(),
      cdsjatekosok_(players::MakePlayerTable()),
      cdsEredmenyek_(players::MakeResultTable()),
      cdsUtolso_(players::MakeLastGameTable()),
      cdsOsszes_(players::MakeSummaryTable()) {
  cds_.SetIndexFieldNames("ID");
  BuildWindow();
  ConnectHandlers();
  ConnectAidHandlers();
  ConnectGameHandlers();
  ConnectPlayerHandlers();
  ConnectMoveHandlers();
  Guarded([this] { FormCreate(); });
  info_ = new info::TFInfo(this);  // hidden until "Info" shows it, then reused
}

TTabla::~TTabla() { cdsOsszes_.SetChangeListener({}); }

void TTabla::BuildWindow() {
  setObjectName(QStringLiteral("Tabla"));
  setWindowTitle(QStringLiteral("Kvadrix v1.15 Free"));
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint);
  // Controls under a style sheet take the application's font rather than their parent's.
  QApplication::setFont(UiFont(11));
  setFont(UiFont(11));
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, kWindowColour);
  setPalette(palette);
  setAutoFillBackground(true);

  BuildMenu();

  auto* central = new QWidget(this);
  central->setObjectName(QStringLiteral("TablaClient"));
  setCentralWidget(central);

  ui_.TB = Named(new QTabWidget(central), "TB", QRect(16, 2, 761, 655));
  ui_.TB->setStyleSheet(PagesStyleSheet());  // before the pages, so it holds as they are built
  const char* page_names[] = {"TabNev", "TabJatek", "TabOsszesites"};
  const QString captions[] = {QStringLiteral("Név"), QStringLiteral("Játék"),
                              QStringLiteral("Összesítés")};
  QWidget* pages[3];
  for (int i = 0; i < 3; ++i) {
    pages[i] = new QWidget;
    pages[i]->setObjectName(QString::fromLatin1(page_names[i]));
    pages[i]->setAutoFillBackground(true);
    pages[i]->setPalette(palette);
    ui_.TB->addTab(pages[i], captions[i]);
  }
  BuildNamesPage(pages[0]);
  BuildPlayPage(pages[1]);
  BuildSummaryPage(pages[2]);
  BuildGrid(central);  // after the tab control, so the grid lies over it
  NameUncaptionedControls(ui_);

  ui_.SB = new QStatusBar(this);
  ui_.SB->setObjectName(QStringLiteral("SB"));
  ui_.SB->setFixedHeight(19);
  ui_.SB->setSizeGripEnabled(false);
  ui_.sb_text = new QLabel(ui_.SB);
  ui_.sb_text->setObjectName(QStringLiteral("SBText"));
  ui_.SB->addWidget(ui_.sb_text, 1);
  setStatusBar(ui_.SB);

  ui_.T1 = new QTimer(this);
  ui_.T1->setObjectName(QStringLiteral("T1"));
  ui_.T1->setInterval(100);
}

void TTabla::BuildMenu() {
  QMenuBar* bar = menuBar();
  bar->setObjectName(QStringLiteral("MainMenu1"));
  QMenu* language = bar->addMenu(QStringLiteral("Nyelv"));
  language->setObjectName(QStringLiteral("Nyelv1"));
  ui_.Nyelv1 = language->menuAction();
  ui_.magyar1 = language->addAction(QStringLiteral("magyar"));
  ui_.magyar1->setObjectName(QStringLiteral("magyar1"));
  ui_.magyar1->setCheckable(true);
  ui_.magyar1->setChecked(true);
  // The only language: an exclusive group keeps it checked when it is clicked.
  (new QActionGroup(language))->addAction(ui_.magyar1);
  ui_.english1 = language->addAction(QStringLiteral("english"));
  ui_.english1->setObjectName(QStringLiteral("english1"));
  ui_.english1->setEnabled(false);
  ui_.Valami1 = bar->addAction(QStringLiteral("Info"));
  ui_.Valami1->setObjectName(QStringLiteral("Valami1"));
}

void TTabla::Guarded(const std::function<void()>& body) {
  try {
    body();
  } catch (const Error& error) {
    dialogs_.Inform(error.what());
  }
}

void TTabla::Inform(std::string_view text) { dialogs_.Inform(std::string(text)); }

}  // namespace kvadrix::app
