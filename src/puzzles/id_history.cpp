#include "puzzles/id_history.h"

#include <charconv>
#include <cstdio>

#include "common/error.h"
#include "tables/file_io.h"

namespace kvadrix::puzzles {
namespace {

[[noreturn]] void BadLine(const std::filesystem::path& file, int line) {
  throw Error("A(z) \"" + file.filename().string() + "\" fájl " + std::to_string(line) +
              ". sora hibás.");
}

}  // namespace

uint64_t Fnv1a64(std::string_view bytes) {
  uint64_t hash = 0xcbf29ce484222325u;
  for (const char c : bytes) {
    hash ^= static_cast<unsigned char>(c);
    hash *= 0x100000001b3u;
  }
  return hash;
}

IdHistory ReadIdHistory(const std::filesystem::path& file) {
  tables::FileBytes bytes;
  tables::ReadFailure failure;
  if (!tables::ReadWholeFile(file, bytes, failure)) {
    throw Error("A(z) \"" + file.filename().string() + "\" fájl nem olvasható: " + failure.reason +
                ".");
  }
  IdHistory history;
  std::string_view rest = bytes.View();
  for (int number = 1; !rest.empty(); ++number) {
    const size_t end = rest.find('\n');
    const std::string_view line = rest.substr(0, end);
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    if (line.empty() || line.front() == '#') continue;
    const size_t tab = line.find('\t');
    if (tab == std::string_view::npos || line.size() != tab + 17) BadLine(file, number);
    int32_t id = 0;
    uint64_t hash = 0;
    const char* id_end = line.data() + tab;
    const char* hash_end = line.data() + line.size();
    if (std::from_chars(line.data(), id_end, id).ptr != id_end ||
        std::from_chars(id_end + 1, hash_end, hash, 16).ptr != hash_end ||
        !history.emplace(id, hash).second) {
      BadLine(file, number);
    }
  }
  return history;
}

std::string IdHistoryLines(const IdHistory& entries) {
  std::string text;
  for (const auto& [id, hash] : entries) {
    char line[48];
    std::snprintf(line, sizeof line, "%d\t%016llx\n", id, static_cast<unsigned long long>(hash));
    text += line;
  }
  return text;
}

std::optional<PuzzleRecord> FirstChangedId(const IdHistory& history,
                                           const std::vector<PuzzleRecord>& records) {
  for (const PuzzleRecord& record : records) {
    const auto recorded = history.find(record.id);
    if (recorded != history.end() && recorded->second != Fnv1a64(record.givens)) return record;
  }
  return std::nullopt;
}

IdHistory NewIds(const IdHistory& history, const std::vector<PuzzleRecord>& records) {
  IdHistory added;
  for (const PuzzleRecord& record : records) {
    if (!history.contains(record.id)) added.emplace(record.id, Fnv1a64(record.givens));
  }
  return added;
}

}  // namespace kvadrix::puzzles
