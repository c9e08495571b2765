#include "export/xlsx_library.h"

#include <dlfcn.h>

#include <string>

#include "common/error.h"

namespace kvadrix::sheet {
namespace {

template <typename Function>
void Resolve(void* handle, const char* name, Function& function) {
  function = reinterpret_cast<Function>(dlsym(handle, name));
  if (function == nullptr) {
    throw Error(std::string("A munkafüzet nem hozható létre: ") + KVADRIX_XLSXWRITER_SONAME +
                ": hiányzik: " + name);
  }
}

XlsxLibrary Open() {
  void* handle = dlopen(KVADRIX_XLSXWRITER_SONAME, RTLD_NOW | RTLD_LOCAL);
  if (handle == nullptr) {
    throw Error(std::string("A munkafüzet nem hozható létre: ") + dlerror());
  }
  // Kept open for the rest of the program, as a linked library would be.
  XlsxLibrary library;
  Resolve(handle, "workbook_new", library.workbook_new);
  Resolve(handle, "workbook_add_worksheet", library.workbook_add_worksheet);
  Resolve(handle, "workbook_add_format", library.workbook_add_format);
  Resolve(handle, "workbook_close", library.workbook_close);
  Resolve(handle, "worksheet_set_column", library.worksheet_set_column);
  Resolve(handle, "worksheet_set_row", library.worksheet_set_row);
  Resolve(handle, "worksheet_write_number", library.worksheet_write_number);
  Resolve(handle, "worksheet_write_blank", library.worksheet_write_blank);
  Resolve(handle, "format_set_bold", library.format_set_bold);
  Resolve(handle, "format_set_font_size", library.format_set_font_size);
  Resolve(handle, "format_set_align", library.format_set_align);
  Resolve(handle, "format_set_top", library.format_set_top);
  Resolve(handle, "format_set_bottom", library.format_set_bottom);
  Resolve(handle, "format_set_left", library.format_set_left);
  Resolve(handle, "format_set_right", library.format_set_right);
  Resolve(handle, "lxw_strerror", library.lxw_strerror);
  return library;
}

}  // namespace

const XlsxLibrary& Xlsx() {
  static const XlsxLibrary library = Open();  // a failed open is tried again on the next call
  return library;
}

}  // namespace kvadrix::sheet
