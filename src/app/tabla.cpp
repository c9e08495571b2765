// The main window's construction: the window itself, its menu, status bar and tab control, and
// the parts that build and run its pages.
#include "app/tabla.h"

#include <QActionGroup>
#include <QApplication>
#include <QMenuBar>
#include <QScreen>

#include "app/accessibles.h"
#include "app/input_hold.h"
#include "app/keys.h"
#include "app/names_page.h"
#include "app/play_page.h"
#include "app/selection.h"
#include "app/summary_page.h"
#include "app/widget_factory.h"
#include "info/finfo.h"
#include "widgets/ui_look.h"

namespace kvadrix::app {
namespace {

QSize PrimaryScreenSize() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->size() : QSize(1280, 1024);
}

// The menu bar; its actions go into `ui`.
void BuildMenu(QMenuBar* bar, TTabla::Controls& ui) {
  bar->setObjectName(QStringLiteral("MainMenu1"));
  QMenu* language = bar->addMenu(QStringLiteral("Nyelv"));
  language->setObjectName(QStringLiteral("Nyelv1"));
  ui.Nyelv1 = language->menuAction();
  ui.magyar1 = language->addAction(QStringLiteral("magyar"));
  ui.magyar1->setObjectName(QStringLiteral("magyar1"));
  ui.magyar1->setCheckable(true);
  ui.magyar1->setChecked(true);
  // The only language: an exclusive group keeps it checked when it is clicked.
  (new QActionGroup(language))->addAction(ui.magyar1);
  ui.english1 = language->addAction(QStringLiteral("english"));
  ui.english1->setObjectName(QStringLiteral("english1"));
  ui.english1->setEnabled(false);
  ui.Valami1 = bar->addAction(QStringLiteral("Info"));
  ui.Valami1->setObjectName(QStringLiteral("Valami1"));
}

}  // namespace

TTabla::TTabla(Dialogs& dialogs, const Clock& clock, RandomSource& random,
               std::filesystem::path work_dir, ScreenSize screen_size, QWidget* parent)
    : QMainWindow(parent),
      guard_(dialogs),
      screen_size_(screen_size ? std::move(screen_size) : ScreenSize(PrimaryScreenSize)),
      tables_(std::move(work_dir)),
      session_(clock) {
  InstallAccessibles();  // before any control is asked for its interface
  BuildWindow();
  auto* central = centralWidget();
  QWidget* pages[] = {ui_.TB->widget(kNamesPage), ui_.TB->widget(kPlayPage),
                      ui_.TB->widget(kSummaryPage)};
  names_page_ = std::make_unique<NamesPage>(
      pages[kNamesPage], tables_, guard_, clock, random,
      [this](const QString& chosen, const players::PlayerToEnter& player) {
        EnterPlay(chosen, player);
      });
  play_page_ =
      std::make_unique<PlayPage>(this, pages[kPlayPage], central, session_, tables_, guard_, clock);
  summary_page_ = std::make_unique<SummaryPage>(pages[kSummaryPage], tables_, guard_);

  connect(play_page_->controls().Button1, &QPushButton::clicked, this,
          guard_.Wrap([this] { Button1Click(); }));
  connect(ui_.Valami1, &QAction::triggered, this, guard_.Wrap([this] { Valami1Click(); }));
  connect(ui_.TB, &QTabWidget::currentChanged, this,
          [this](int page) { guard_.Run([this, page] { TBClick(page); }); });
  // The window's keys; the filter lives as long as the window.
  auto* keys = new Keys(
      guard_, [this](QChar key) { FormKeyPress(key); }, this);
  keys->PassGameKeys(play_page_->KeyedControls());
  keys->PassEsc(names_page_->KeyedControls());
  keys->PassEsc({play_page_->grid().controls().cursor});
  Selection& selection = play_page_->selection();
  // The box holds the focus for its edit and hands keys to it directly, past the edit's filters.
  keys->PassEnter(selection.controls().CBjatek,
                  [&selection](QChar key) { selection.CBjatekKeyPress(key); });

  guard_.Run([this] { FormCreate(); });
  info_ = new info::TFInfo(this);  // hidden until "Info" shows it, then reused
}

TTabla::~TTabla() = default;

void TTabla::Valami1Click() { info_->exec(); }

void TTabla::BuildWindow() {
  setObjectName(QStringLiteral("Tabla"));
  setWindowTitle(QStringLiteral("Kvadrix v1.15 Free"));
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint);
  // Controls under a style sheet take the application's font rather than their parent's.
  QApplication::setFont(widgets::UiFont(11));
  setFont(widgets::UiFont(11));
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, widgets::kWindowColour);
  setPalette(palette);
  setAutoFillBackground(true);

  BuildMenu(menuBar(), ui_);

  auto* central = new QWidget(this);
  central->setObjectName(QStringLiteral("TablaClient"));
  setCentralWidget(central);

  ui_.TB = Named(new QTabWidget(central), "TB", QRect(16, 2, 761, 655));
  // Before the pages, so it holds as they are built.
  ui_.TB->setStyleSheet(widgets::PagesStyleSheet());
  const char* page_names[] = {"TabNev", "TabJatek", "TabOsszesites"};
  const QString captions[] = {QStringLiteral("Név"), QStringLiteral("Játék"),
                              QStringLiteral("Összesítés")};
  for (int i = 0; i < 3; ++i) {
    auto* page = new QWidget;
    page->setObjectName(QString::fromLatin1(page_names[i]));
    page->setAutoFillBackground(true);
    page->setPalette(palette);
    ui_.TB->addTab(page, captions[i]);
  }

  ui_.SB = new QStatusBar(this);
  ui_.SB->setObjectName(QStringLiteral("SB"));
  ui_.SB->setFixedHeight(19);
  ui_.SB->setSizeGripEnabled(false);
  ui_.sb_text = new QLabel(ui_.SB);
  ui_.sb_text->setObjectName(QStringLiteral("SBText"));
  ui_.SB->addWidget(ui_.sb_text, 1);
  setStatusBar(ui_.SB);
}

}  // namespace kvadrix::app
