#pragma once
// Reads a table file that is byte for byte what the writer makes of its data, without a parser
// and without holding the file: the form of a play folder's large tables. Anything else, however
// slight the difference, is declined and left to the general reader, so for every file this
// reader either declines or gives exactly what the general reader gives.
#include <string_view>

#include "tables/file_io.h"
#include "tables/table_data.h"

namespace kvadrix::tables {

enum class OwnLayoutResult { kRead, kDeclined, kReadFault };

// The data, with its layout known, or kDeclined (data then holds nothing of use).
OwnLayoutResult ReadOwnLayout(std::string_view bytes, TableData& data);
// The same from an opened file, read in pieces of chunk_bytes; kReadFault fills failure.
inline constexpr size_t kOwnLayoutChunkBytes = size_t{512} << 10;
OwnLayoutResult ReadOwnLayout(FileChunks& chunks, TableData& data, ReadFailure& failure,
                              size_t chunk_bytes = kOwnLayoutChunkBytes);

}  // namespace kvadrix::tables
