#include "info/technique_pages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "help_site_config.h"

namespace kvadrix::info {
namespace {

// The site serves "/pages/<name>.php"; the shipped copies are "<name>.html".
QString PageName(TechniquePage page) {
  switch (page) {
    case TechniquePage::kOverview:
      return QStringLiteral("techniques-overview");
    case TechniquePage::kSinglePosition:
      return QStringLiteral("techniques-1");
    case TechniquePage::kSingleCandidate:
      return QStringLiteral("techniques-2");
    case TechniquePage::kCandidateLines:
      return QStringLiteral("techniques-3");
  }
  return {};
}

QString FileName(TechniquePage page) { return PageName(page) + QStringLiteral(".html"); }

}  // namespace

TechniqueSite::TechniqueSite(QString host, QString help_dir)
    : host_(std::move(host)), help_dir_(std::move(help_dir)) {}

TechniqueSite TechniqueSite::Configured() {
  return TechniqueSite(ConfiguredHelpHost(), HelpDir(QCoreApplication::applicationDirPath()));
}

QUrl TechniqueSite::PageUrl(TechniquePage page) const {
  if (host_.isEmpty()) {
    return QUrl::fromLocalFile(QDir(help_dir_).filePath(FileName(page)));
  }
  QUrl url;
  url.setScheme(QStringLiteral("http"));
  url.setAuthority(host_);  // a port may follow the host
  url.setPath(QStringLiteral("/pages/") + PageName(page) + QStringLiteral(".php"));
  return url;
}

QString ConfiguredHelpHost() { return QStringLiteral(KVADRIX_HELP_HOST); }

QString HelpDir(const QString& program_dir) {
  const QString installed =
      QDir::cleanPath(QDir(program_dir).filePath(QStringLiteral(KVADRIX_HELP_INSTALLED_DIR)));
  if (QFileInfo::exists(QDir(installed).filePath(FileName(TechniquePage::kOverview)))) {
    return installed;
  }
  return QStringLiteral(KVADRIX_HELP_SOURCE_DIR);
}

}  // namespace kvadrix::info
