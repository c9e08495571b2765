#pragma once
// The workbook library, opened the first time a workbook is written rather than when the program
// starts: it brings a cryptography library with it, and loading the two took the game's start
// several milliseconds for a command most games never use.
#include <xlsxwriter.h>

namespace kvadrix::sheet {

struct XlsxLibrary {
  decltype(&::workbook_new) workbook_new;
  decltype(&::workbook_add_worksheet) workbook_add_worksheet;
  decltype(&::workbook_add_format) workbook_add_format;
  decltype(&::workbook_close) workbook_close;
  decltype(&::worksheet_set_column) worksheet_set_column;
  decltype(&::worksheet_set_row) worksheet_set_row;
  decltype(&::worksheet_write_number) worksheet_write_number;
  decltype(&::worksheet_write_blank) worksheet_write_blank;
  decltype(&::format_set_bold) format_set_bold;
  decltype(&::format_set_font_size) format_set_font_size;
  decltype(&::format_set_align) format_set_align;
  decltype(&::format_set_top) format_set_top;
  decltype(&::format_set_bottom) format_set_bottom;
  decltype(&::format_set_left) format_set_left;
  decltype(&::format_set_right) format_set_right;
  decltype(&::lxw_strerror) lxw_strerror;
};

// The library's functions, opened on the first call; throws Error when it cannot be opened.
const XlsxLibrary& Xlsx();

}  // namespace kvadrix::sheet
