#include "info/finfo.h"

#include <QDesktopServices>
#include <QShowEvent>

#include "widgets/cell_label.h"
#include "widgets/ui_look.h"

namespace kvadrix::info {
namespace {

using widgets::ClickableLabel;

// Sized to its text when the window is shown (see showEvent()).
ClickableLabel* InfoLabel(QWidget* parent, const char* name, const QString& caption, int left,
                          int top, int pixel_size = 16, bool bold = false) {
  auto* label = new ClickableLabel(caption, parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setFont(widgets::UiFont(pixel_size, bold));
  widgets::SetTextColour(label, widgets::kLightYellow);
  label->move(left, top);
  return label;
}

}  // namespace

TFInfo::TFInfo(QWidget* parent, UrlOpener opener, TechniqueSite site)
    : QDialog(parent),
      opener_(opener ? std::move(opener)
                     : UrlOpener([](const QUrl& url) { QDesktopServices::openUrl(url); })),
      site_(std::move(site)) {
  setObjectName(QStringLiteral("FInfo"));
  setWindowTitle(QStringLiteral("Info"));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint);
  setFixedSize(766, 623);
  setModal(true);
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, widgets::kWindowColour);
  setPalette(palette);
  setAutoFillBackground(true);

  InfoLabel(this, "LCim", QStringLiteral("Kvadrix"), 14, 24, 48, true);
  InfoLabel(this, "LLeiras1",
            QStringLiteral("Sudoku játék öt játékosnak, szintezett feladványokkal."), 14, 104);
  InfoLabel(this, "LLeiras2",
            QStringLiteral("Minden üres mező mutatja a jelöltjeit; a \"Segítség...\" "
                           "kapcsolói három megoldási"),
            14, 152);
  InfoLabel(this, "LLeiras3",
            QStringLiteral("technikával szűkítik őket, a \"Csak 1\" és a \"Teljes\" gomb "
                           "ugyanezekkel ír be számot:"),
            14, 176);

  struct Link {
    const char* name;
    QString caption;
    int left, top;
    TechniquePage page;
  };
  const Link links[] = {
      {"Label10", QStringLiteral("- Single Position /egyben link is, katt rá/"), 14, 256,
       TechniquePage::kSinglePosition},
      {"Label9", QStringLiteral("- Single Candidate /egyben link is, katt rá/"), 14, 280,
       TechniquePage::kSingleCandidate},
      {"Label11", QStringLiteral("- Candidate Lines /egyben link is, katt rá/"), 14, 304,
       TechniquePage::kCandidateLines},
      {"Label12", QStringLiteral("Bővebben itt olvashat a megoldási technikákról:"), 6, 336,
       TechniquePage::kOverview},
      {"Label1", QStringLiteral("Link: <Segítség>"), 376, 336, TechniquePage::kOverview},
      {"Lverzio", QStringLiteral("v1.15"), 702, 552, TechniquePage::kCandidateLines},
  };
  for (const Link& link : links) {
    ClickableLabel* label = InfoLabel(this, link.name, link.caption, link.left, link.top);
    label->setCursor(Qt::PointingHandCursor);
    const TechniquePage page = link.page;
    connect(label, &ClickableLabel::clicked, this, [this, page] { opener_(site_.PageUrl(page)); });
  }
  if (auto* overview = findChild<QLabel*>(QStringLiteral("Label1"))) {
    QFont font = overview->font();
    font.setItalic(true);
    font.setUnderline(true);
    overview->setFont(font);
  }
}

void TFInfo::showEvent(QShowEvent* event) {
  // Measuring the labels loads their fonts, four of them; done at the program's start it would
  // delay the main window's first frame for a window that may never be opened.
  for (QLabel* label : findChildren<QLabel*>()) label->adjustSize();
  QDialog::showEvent(event);
}

}  // namespace kvadrix::info
