// update-library: the launcher's helper that brings the shipped puzzle library into a play
// folder, or an earlier shipped one up to date, before the game starts there.
//   update-library SHIPPED_LIBRARY ID_HISTORY PLAY_FOLDER
// It runs as a program rather than in the launcher's shell because the upgrade must hold the
// play folder's lock, an open file description lock that the shell's tools cannot take.
// Exit status 0 whenever the game can start: a library left alone only says why.
#include <cstdio>
#include <ctime>
#include <exception>
#include <string>

#include "puzzles/library_upgrade.h"

namespace {

std::string Today() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char text[16];
  std::strftime(text, sizeof text, "%Y-%m-%d", &local);
  return text;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: update-library SHIPPED_LIBRARY ID_HISTORY PLAY_FOLDER\n");
    return 2;
  }
  try {
    const kvadrix::puzzles::LibraryUpdate update =
        kvadrix::puzzles::UpdatePlayFolderLibrary(argv[1], argv[2], argv[3], Today());
    if (!update.message.empty()) std::fprintf(stderr, "%s\n", update.message.c_str());
  } catch (const std::exception& error) {
    std::fprintf(stderr, "kvadrix: %s\n", error.what());
    return 1;
  }
  return 0;
}
