#include "export/xlsx_writer.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <tuple>

#include "common/error.h"
#include "export/xlsx_library.h"

namespace kvadrix::sheet {
namespace {

uint8_t BorderStyle(Line line) {
  switch (line) {
    case Line::kThin:
      return LXW_BORDER_THIN;
    case Line::kMedium:
      return LXW_BORDER_MEDIUM;
    case Line::kNone:
      break;
  }
  return LXW_BORDER_NONE;
}

auto Key(const CellFormat& f) {
  return std::tuple(f.bold, f.font_size, f.alignment, f.top, f.bottom, f.left, f.right);
}

// One workbook format per distinct look, as a spreadsheet program keeps them.
class Formats {
 public:
  explicit Formats(lxw_workbook* workbook) : workbook_(workbook) {}

  lxw_format* For(const CellFormat& look) {
    if (look == CellFormat{}) return nullptr;
    auto [it, added] = formats_.try_emplace(Key(look), nullptr);
    if (!added) return it->second;
    lxw_format* format = Xlsx().workbook_add_format(workbook_);
    if (format == nullptr) throw Error("A munkafüzet formátuma nem hozható létre.");
    if (look.bold) Xlsx().format_set_bold(format);
    if (look.font_size > 0) Xlsx().format_set_font_size(format, look.font_size);
    if (look.alignment == Alignment::kCentre) Xlsx().format_set_align(format, LXW_ALIGN_CENTER);
    Xlsx().format_set_top(format, BorderStyle(look.top));
    Xlsx().format_set_bottom(format, BorderStyle(look.bottom));
    Xlsx().format_set_left(format, BorderStyle(look.left));
    Xlsx().format_set_right(format, BorderStyle(look.right));
    it->second = format;
    return format;
  }

 private:
  lxw_workbook* workbook_;
  std::map<decltype(Key(CellFormat{})), lxw_format*> formats_;
};

void Check(lxw_error error) {
  if (error != LXW_NO_ERROR) {
    throw Error(std::string("A munkafüzet nem írható: ") + Xlsx().lxw_strerror(error));
  }
}

void FillWorksheet(const Sheet& sheet, lxw_workbook* workbook, lxw_worksheet* worksheet) {
  Formats formats(workbook);
  for (int col = 1; col <= sheet.Cols(); ++col) {
    if (auto width = sheet.ColumnWidth(col)) {
      Check(Xlsx().worksheet_set_column(worksheet, col - 1, col - 1, *width, nullptr));
    }
  }
  for (int row = 1; row <= sheet.Rows(); ++row) {
    if (auto height = sheet.RowHeight(row)) {
      Check(Xlsx().worksheet_set_row(worksheet, row - 1, *height, nullptr));
    }
    for (int col = 1; col <= sheet.Cols(); ++col) {
      lxw_format* format = formats.For(sheet.Format(row, col));
      if (auto value = sheet.Value(row, col)) {
        Check(Xlsx().worksheet_write_number(worksheet, row - 1, col - 1, *value, format));
      } else if (format != nullptr) {
        Check(Xlsx().worksheet_write_blank(worksheet, row - 1, col - 1, format));
      }
    }
  }
}

void WriteWorkbook(const Sheet& sheet, const std::filesystem::path& file) {
  lxw_workbook* workbook = Xlsx().workbook_new(file.c_str());
  if (workbook == nullptr) throw Error("A munkafüzet nem hozható létre.");
  try {
    lxw_worksheet* worksheet = Xlsx().workbook_add_worksheet(workbook, nullptr);
    if (worksheet == nullptr) throw Error("A munkalap nem hozható létre.");
    FillWorksheet(sheet, workbook, worksheet);
  } catch (...) {
    // Closing is the only way to free the workbook; it writes what it has, which goes too.
    Xlsx().workbook_close(workbook);
    throw;
  }
  Check(Xlsx().workbook_close(workbook));
}

}  // namespace

std::filesystem::path WriteNewWorkbook(const Sheet& sheet, const std::filesystem::path& folder,
                                       std::string_view stem) {
  // Claiming the name with an exclusive create keeps two exports, even of two programs,
  // from ever sharing a file.
  constexpr int kMaxNames = 1'000'000;
  for (int n = 1; n <= kMaxNames; ++n) {
    const std::string suffix = n == 1 ? "" : " (" + std::to_string(n) + ")";
    std::filesystem::path file = folder / (std::string(stem) + suffix + ".xlsx");
    std::FILE* claimed = std::fopen(file.c_str(), "wx");
    if (claimed == nullptr) {
      if (errno == EEXIST) continue;
      throw Error("A munkafüzet nem hozható létre: " + file.string() + ": " + std::strerror(errno));
    }
    std::fclose(claimed);
    try {
      WriteWorkbook(sheet, file);
    } catch (...) {
      std::error_code ignored;
      std::filesystem::remove(file, ignored);
      throw;
    }
    return file;
  }
  throw Error("A munkafüzetnek nincs szabad neve: " + folder.string());
}

}  // namespace kvadrix::sheet
