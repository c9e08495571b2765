// Arbitrary bytes as a table file, read by the reader of the writer's own layout and by the
// parser. The own reader may decline; when it reads, the parser must read the same data, the
// writer must write the very bytes back, and reading the file in pieces of any size must give
// the same data and layout.
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "common/error.h"
#include "tables/cp1250.h"
#include "tables/input_encoding.h"
#include "tables/own_layout_reader.h"
#include "tables/table_reader.h"
#include "tables/table_writer.h"

using namespace kvadrix::tables;

namespace {

bool LayoutPointsAtRows(const TableData& data, std::string_view bytes) {
  const FileLayout& layout = data.layout;
  if (layout.row_begins.size() != data.RecordCount()) return false;
  for (const uint32_t begin : layout.row_begins) {
    if (bytes.substr(begin, 4) != "<ROW" || begin >= layout.rows_end) return false;
  }
  if (bytes.substr(layout.rows_end) != "</ROWDATA></DATAPACKET>") return false;
  if (data.change_log.empty()) return layout.log_end == 0;
  return bytes.substr(layout.log_end, 1) == "\"" && bytes[layout.log_end - 1] >= '0' &&
         bytes[layout.log_end - 1] <= '9';
}

struct Parsed {
  TableData data;
  std::string message;  // empty when read
};

Parsed Parse(std::string_view bytes) {
  Parsed parsed;
  try {
    parsed.data = ReadTableFileWithParser(bytes);
  } catch (const kvadrix::Error& error) {
    parsed.message = error.what();
  }
  return parsed;
}

// The bytes as a file, through a descriptor of this process.
std::string AsFile(std::string_view bytes) {
  static const int fd = ::memfd_create("own_layout_fuzz", 0);
  if (fd < 0 || ::ftruncate(fd, 0) != 0 ||
      ::pwrite(fd, bytes.data(), bytes.size(), 0) != static_cast<ssize_t>(bytes.size())) {
    std::abort();
  }
  return "/proc/self/fd/" + std::to_string(fd);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* input, size_t size) {
  if (size == 0) return 0;
  // The first byte picks the piece size of the file read.
  const size_t chunk_bytes = 1 + input[0] % 64;
  const std::string_view bytes(reinterpret_cast<const char*>(input) + 1, size - 1);
  TableData fast;
  const OwnLayoutResult result = ReadOwnLayout(bytes, fast);
  if (result == OwnLayoutResult::kReadFault) std::abort();

  const std::string path = AsFile(bytes);
  FileChunks chunks;
  ReadFailure failure;
  TableData in_pieces;
  if (!chunks.Open(path, failure)) std::abort();
  if (ReadOwnLayout(chunks, in_pieces, failure, chunk_bytes) != result) std::abort();

  const Parsed parsed = Parse(bytes);
  // The parser gets code page 1250 converted into its own buffer: the converter's very output.
  std::string appended;
  if (AppendCp1250AsUtf8(appended, bytes) == std::string_view::npos) {
    std::string written(Cp1250AsUtf8Size(bytes), '\0');
    WriteCp1250AsUtf8(bytes, written.data());
    if (written != appended) std::abort();
  }
  if (result == OwnLayoutResult::kDeclined) return 0;
  if (!parsed.message.empty()) std::abort();  // read by the own reader, refused by the parser
  if (!fast.layout.known || parsed.data.layout.known || !SameContent(fast, parsed.data) ||
      !SameContent(fast, in_pieces) || fast.layout.row_begins != in_pieces.layout.row_begins ||
      fast.layout.rows_end != in_pieces.layout.rows_end ||
      fast.layout.log_end != in_pieces.layout.log_end || !LayoutPointsAtRows(fast, bytes) ||
      WriteTableFile(fast) != bytes) {
    std::abort();
  }
  return 0;
}
