// The Info window's links: to a web site when the build names its host, otherwise to the pages
// shipped with the game, which are Hungarian, show an example grid and link only to each other.
#include <QLabel>
#include <QRegularExpression>
#include <QtTest>

#include "info/finfo.h"

using kvadrix::info::TechniqueSite;
using kvadrix::info::TFInfo;

namespace {

const QString kHelpDir = QStringLiteral(KVADRIX_SOURCE_DIR "/data/help");
// The page each link opens, label by label from the top.
const QStringList kPages = {"techniques-1",        "techniques-2",        "techniques-3",
                            "techniques-overview", "techniques-overview", "techniques-3"};

QList<QUrl> ClickEveryLink(const TechniqueSite& site) {
  QList<QUrl> opened;
  TFInfo info(
      nullptr, [&](const QUrl& url) { opened << url; }, site);
  for (const char* name : {"Label10", "Label9", "Label11", "Label12", "Label1", "Lverzio"}) {
    QTest::mouseClick(info.findChild<QLabel*>(QString::fromLatin1(name)), Qt::LeftButton);
  }
  return opened;
}

}  // namespace

class InfoLinksTest : public QObject {
  Q_OBJECT

 private slots:
  void LinksOpenTheSitesPagesOrTheShippedOnes() {
    QList<QUrl> web, shipped;
    for (const QString& page : kPages) {
      web << QUrl(QStringLiteral("http://sudoku.example.org:8080/pages/%1.php").arg(page));
      shipped << QUrl::fromLocalFile(kHelpDir + QStringLiteral("/%1.html").arg(page));
    }
    QCOMPARE(ClickEveryLink({QStringLiteral("sudoku.example.org:8080"), kHelpDir}), web);
    QCOMPARE(ClickEveryLink({QString(), kHelpDir}), shipped);

    // As built: the shipped pages are found from the build tree, where tests and play run.
    const QList<QUrl> built = ClickEveryLink(TechniqueSite::Configured());
    QCOMPARE(built.size(), kPages.size());
    for (const QUrl& url : built) {
      QVERIFY2(kvadrix::info::ConfiguredHelpHost().isEmpty() ? QFileInfo::exists(url.toLocalFile())
                                                             : url.scheme() == "http",
               qPrintable(url.toString()));
    }
    // Installed, they lie beside the program: libexec/kvadrix/kvadrix and share/kvadrix/help.
    QTemporaryDir prefix;
    QVERIFY(QDir(prefix.path()).mkpath(QStringLiteral("share/kvadrix/help")));
    QFile(prefix.filePath(QStringLiteral("share/kvadrix/help/techniques-overview.html")))
        .open(QIODevice::WriteOnly);
    QCOMPARE(kvadrix::info::HelpDir(prefix.filePath(QStringLiteral("libexec/kvadrix"))),
             prefix.filePath(QStringLiteral("share/kvadrix/help")));
    QCOMPARE(kvadrix::info::HelpDir(prefix.path()), kHelpDir);
  }

  void ShippedPagesExplainWithAGridAndLinkEachOther() {
    const QRegularExpression link(QStringLiteral("(?:href|src)=\"([^\"]+)\""));
    for (const QString& page : kPages) {
      QFile file(kHelpDir + QStringLiteral("/%1.html").arg(page));
      QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(page));
      const QString html = QString::fromUtf8(file.readAll());
      QVERIFY(html.contains(QStringLiteral("<html lang=\"hu\">")));
      QVERIFY(html.contains(QStringLiteral("<table class=\"grid\">")));
      for (const auto& match : link.globalMatch(html)) {  // nothing from the network
        QVERIFY2(QFileInfo::exists(kHelpDir + QLatin1Char('/') + match.captured(1)),
                 qPrintable(page + QStringLiteral(" links to ") + match.captured(1)));
      }
    }
  }
};

QTEST_MAIN(InfoLinksTest)
#include "info_links_test.moc"
