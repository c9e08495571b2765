#pragma once
// Replacing several files of one folder as one change: after a crash, a kill or a failed write
// at any step, the files are either all old or all new once the folder is next locked.
//
// The new contents are written and flushed beside their files first; then a journal naming
// them is put in place (".kvadrix.journal", itself written aside and renamed in), and only then
// are the files renamed over. A journal found later belongs to a change that was decided but
// not finished, so it is finished: the renames it names are done again.
#include <filesystem>
#include <span>
#include <string_view>
#include <vector>

#include "tables/file_io.h"

namespace kvadrix::tables {

inline constexpr std::string_view kJournalName = ".kvadrix.journal";
// Added to the error of a step after the change was decided.
inline constexpr std::string_view kFinishedLater =
    " A megkezdett változást a program a játékmappa következő használatakor befejezi.";

struct Replacement {
  std::filesystem::path file;
  std::string_view bytes;
  bool owner_only = false;
  ContentWriter write;  // when set, writes the content instead of bytes
};

// Needs the folder's lock (FolderLock). Returns what each file now is, in order. Throws
// kvadrix::Error naming the file: before the journal is in place nothing has changed; after
// it, the change is finished by the next lock of the folder.
std::vector<FileIdentity> ReplaceFilesTogether(const std::filesystem::path& folder,
                                               std::span<const Replacement> replacements);

// Finishes the change a journal in the folder names, if any. Needs the folder's lock; the
// lock runs it whenever it is taken. Throws kvadrix::Error when a rename fails.
void FinishInterruptedReplacement(const std::filesystem::path& folder);

}  // namespace kvadrix::tables
