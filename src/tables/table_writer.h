#pragma once
// The table file as the program writes it: one line of code page 1250 text, no final newline.
#include <string>

#include "tables/table_data.h"

namespace kvadrix::tables {

// Throws kvadrix::Error naming the field when a value holds a character the file cannot hold;
// nothing is written lossily.
std::string WriteTableFile(const TableData& data);

}  // namespace kvadrix::tables
