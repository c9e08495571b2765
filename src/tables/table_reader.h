#pragma once
// Reads a table file with expat: the code page 1250 form the writer produces and the
// UTF-8-declared form, with every field kind the store accepts.
#include <string_view>

#include "tables/table_data.h"

namespace kvadrix::tables {

// Throws kvadrix::Error describing the fault (the caller adds the file name).
TableData ReadTableFile(std::string_view file);

}  // namespace kvadrix::tables
