#pragma once
// How the reader hands a table file to expat.
#include <string>
#include <string_view>

namespace kvadrix::tables {

struct ExpatInput {
  std::string_view bytes;
  const char* encoding;  // forced on the parser; nullptr leaves it to the declaration
};

// A file without an encoding in its declaration (or naming code page 1250) is code page 1250:
// it is turned into UTF-8 here, in storage, unless it is plain ASCII. A UTF-8 file goes as it
// is; any other declared encoding is left to expat. A byte code page 1250 leaves unassigned
// throws kvadrix::Error with its place.
ExpatInput PrepareExpatInput(std::string_view file, std::string& storage);

}  // namespace kvadrix::tables
