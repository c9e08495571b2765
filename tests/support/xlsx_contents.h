#pragma once
// A written .xlsx read back the way a spreadsheet program reads it: its XML parts are unpacked
// with the unzip tool (which checks every part's checksum) and parsed with expat, and the
// worksheet becomes values, widths, heights and cell formats to compare with what was meant.
#include <filesystem>
#include <map>
#include <string>

#include "export/sheet.h"

namespace kvadrix::testing {

struct XlsxContents {
  int worksheet_count = 0;
  std::map<std::string, int> values;                 // by cell name, "B2"
  std::map<int, double> column_widths;               // characters, by column 1..
  std::map<int, double> row_heights;                 // points, by row 1..
  std::map<std::string, sheet::CellFormat> formats;  // cells with a style of their own; a
                                                     // font that is the default has size 0
};

// The first worksheet. Throws std::runtime_error when the file is no readable workbook.
XlsxContents ReadXlsx(const std::filesystem::path& file);

}  // namespace kvadrix::testing
