#pragma once
// How the reader hands a table file to expat.
#include <cstddef>
#include <string_view>

namespace kvadrix::tables {

struct ExpatInput {
  std::string_view bytes;
  const char* encoding;  // forced on the parser; nullptr leaves it to the declaration
  bool from_cp1250;      // the bytes are to be turned into UTF-8 on their way to the parser
};

// A file without an encoding in its declaration (or naming code page 1250) is code page 1250:
// it goes to the parser as UTF-8 (AppendCp1250AsUtf8), unless it is plain ASCII. A UTF-8 file
// goes as it is; any other declared encoding is left to expat. A byte code page 1250 leaves
// unassigned throws kvadrix::Error with its place, before anything is parsed.
ExpatInput PrepareExpatInput(std::string_view file);

// The UTF-8 form of code page 1250 bytes without an unassigned one: its size, and the form
// written to a buffer of that size.
size_t Cp1250AsUtf8Size(std::string_view bytes);
void WriteCp1250AsUtf8(std::string_view bytes, char* out);

}  // namespace kvadrix::tables
