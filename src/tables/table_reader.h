#pragma once
// Reads a table file with expat: the code page 1250 form the writer produces and the
// UTF-8-declared form, with every field kind the store accepts.
#include <filesystem>
#include <string_view>

#include "tables/file_io.h"
#include "tables/table_data.h"

namespace kvadrix::tables {

// Throws kvadrix::Error describing the fault (the caller adds the file name). A file just as the
// writer writes it is read without the parser, and its layout is then known.
TableData ReadTableFile(std::string_view file);
// Always through the parser; the layout stays unknown.
TableData ReadTableFileWithParser(std::string_view file);

// Reads the file from disk: in pieces when it is just as the writer writes it, otherwise whole
// and through the parser. Returns false with failure when the file cannot be read (as
// ReadWholeFile says); throws kvadrix::Error for what it holds, as ReadTableFile.
bool LoadTableFile(const std::filesystem::path& file, TableData& data, FileIdentity& identity,
                   ReadFailure& failure);

}  // namespace kvadrix::tables
