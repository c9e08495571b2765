#pragma once
// Handing an exported workbook to the desktop: where it is written unless told otherwise, and
// how the desktop's program for it is started.
#include <filesystem>
#include <functional>

namespace kvadrix::app {

// The user's documents folder, or the home folder when there is none.
std::filesystem::path DocumentsFolder();

// Asks the desktop for its program for .xlsx files and opens the file with it; `done` learns
// whether it could, once the opener has ended. The window goes on meanwhile.
void OpenWithDesktop(const std::filesystem::path& file, std::function<void(bool)> done);

}  // namespace kvadrix::app
