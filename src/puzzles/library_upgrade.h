#pragma once
// Keeping a play folder's puzzle library up to the one the package ships. IDs keep their grids
// (id_history.h), so a library made only of shipped IDs and grids can be swapped for the new
// one without touching a result or a last game; anything else is the player's own and stays.
#include <filesystem>
#include <string>
#include <string_view>

namespace kvadrix::puzzles {

struct LibraryUpdate {
  enum class Kind {
    kCopied,     // the folder had no library: the shipped one was copied in
    kCurrent,    // the folder holds the shipped library byte for byte: nothing was touched
    kUpgraded,   // an earlier shipped library was replaced; the old file is `backup`
    kLeftAlone,  // edited by hand, unreadable, no regular file, or not replaceable now
  };
  Kind kind = Kind::kCurrent;
  std::string message;  // Hungarian, one line for standard error; empty for kCurrent
  std::filesystem::path backup;
};

// Brings `shipped` (with its ID history) into `folder`. An earlier library is replaced under
// the folder's lock and kept as "sudoku.xml.<today>.bak" (with "-2", "-3", ... when that name
// is taken: a backup is never overwritten); `today` is "YYYY-MM-DD". Throws kvadrix::Error when
// the shipped library cannot be read or a missing library cannot be copied in; any other
// failure (the history unreadable, the folder busy or not writable) leaves the library alone.
LibraryUpdate UpdatePlayFolderLibrary(const std::filesystem::path& shipped,
                                      const std::filesystem::path& history,
                                      const std::filesystem::path& folder, std::string_view today);

}  // namespace kvadrix::puzzles
