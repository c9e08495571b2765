#pragma once
// The table file as the program writes it: one line of code page 1250 text, no final newline.
#include <functional>
#include <span>
#include <string>
#include <string_view>

#include "tables/file_io.h"
#include "tables/table_data.h"

namespace kvadrix::tables {

// Throws ContentRefused (file_io.h) naming the field when a value holds a character the file
// cannot hold; nothing is written lossily.
std::string WriteTableFile(const TableData& data);
// The same, and where its log ends and its rows begin; known only with a log (without one the
// file leaves the hidden records out).
std::string WriteTableFile(const TableData& data, FileLayout* layout);
// The same bytes handed to sink in order, a megabyte or so at a time, so a table of years of
// play never stands whole in memory. A refused value throws partway.
using ByteSink = std::function<void(std::string_view piece)>;
void WriteTableFile(const TableData& data, FileLayout* layout, const ByteSink& sink);

// The bytes WriteTableFile would give, told as the changes to a file it gave earlier for this
// data: old_layout is that file's, which held the first old_log_size log entries and the first
// old_layout.row_begins.size() records, all as they are now but for changed_rows (sorted, no
// repeats). The log's new entries and the records after those are written anew. Fills
// new_layout with the new file's layout. Returns false for what it cannot tell: a file without
// a log, or data that has less than the file held.
bool SpliceTableFile(const TableData& data, const FileLayout& old_layout, size_t old_log_size,
                     std::span<const uint32_t> changed_rows, SplicedContent& content,
                     FileLayout& new_layout);

}  // namespace kvadrix::tables
