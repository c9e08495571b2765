#include "info/technique_pages.h"

namespace kvadrix::info {

QUrl TechniquePageUrl(TechniquePage page) {
  QString path;
  switch (page) {
    case TechniquePage::kOverview:
      path = QStringLiteral("/pages/techniques-overview.php");
      break;
    case TechniquePage::kSinglePosition:
      path = QStringLiteral("/pages/techniques-1.php");
      break;
    case TechniquePage::kSingleCandidate:
      path = QStringLiteral("/pages/techniques-2.php");
      break;
    case TechniquePage::kCandidateLines:
      path = QStringLiteral("/pages/techniques-3.php");
      break;
  }
  QUrl url;
  url.setScheme(QStringLiteral("http"));
  url.setHost(kTechniqueSiteHost);
  url.setPath(path);
  return url;
}

}  // namespace kvadrix::info
