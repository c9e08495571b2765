#pragma once
// Sheets as .xlsx workbook files, one worksheet each.
#include <filesystem>
#include <string_view>

#include "export/sheet.h"

namespace kvadrix::sheet {

// Writes the sheet, as the only worksheet of a new workbook, into `folder` under a name no file
// there has yet ("<stem>.xlsx", "<stem> (2).xlsx", ...), so no earlier workbook is ever
// replaced, and returns its path. Throws Error, leaving no file behind, when it cannot.
std::filesystem::path WriteNewWorkbook(const Sheet& sheet, const std::filesystem::path& folder,
                                       std::string_view stem);

}  // namespace kvadrix::sheet
