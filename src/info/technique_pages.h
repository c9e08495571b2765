#pragma once
// The web site that explains the solving techniques, and its four pages.
#include <QString>
#include <QUrl>

namespace kvadrix::info {

// The site is configuration: change it here.
inline const QString kTechniqueSiteHost = QStringLiteral("www.kvadrix.hu");

enum class TechniquePage { kOverview, kSinglePosition, kSingleCandidate, kCandidateLines };

QUrl TechniquePageUrl(TechniquePage page);

}  // namespace kvadrix::info
