#pragma once
// The pages that explain the solving techniques. A build that names a web site's host links to
// its pages; a build without one (the default) links to the copies installed with the game, so
// help works without a network.
#include <QString>
#include <QUrl>

namespace kvadrix::info {

enum class TechniquePage { kOverview, kSinglePosition, kSingleCandidate, kCandidateLines };

class TechniqueSite {
 public:
  // An empty host means the pages in `help_dir`, as file addresses.
  TechniqueSite(QString host, QString help_dir);

  // The host the build was configured with, and the pages installed beside this program.
  static TechniqueSite Configured();

  QUrl PageUrl(TechniquePage page) const;

 private:
  QString host_;
  QString help_dir_;
};

// The host set at build time (the cache variable KVADRIX_HELP_HOST), often empty.
QString ConfiguredHelpHost();

// The folder of the shipped pages for a program in `program_dir`: where an install puts them
// beside the program, else the source tree's copy, which serves the build tree.
QString HelpDir(const QString& program_dir);

}  // namespace kvadrix::info
