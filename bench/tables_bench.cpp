// Table files at the sizes years of play can reach: a plain expat pass over the bytes as the
// floor, then a full load, a save and a filter over the same files.
#include <benchmark/benchmark.h>
#include <expat.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

#include "bench_folder.h"
#include "common/day_count.h"
#include "tables/table_store.h"

namespace {

using kvadrix::tables::TableStore;

struct Dataset {
  std::filesystem::path file;
  std::string bytes;
};

const std::filesystem::path& Folder() {
  static BenchFolder folder;
  return folder.path();
}

std::string ReadAll(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::vector<kvadrix::tables::FieldDef> ResultFields() {
  using namespace kvadrix::tables;
  return {IntegerField("nevkod"), IntegerField("jatekkod"), DateField("datum"),
          IntegerField("ido")};
}

constexpr int kPlayerKeys[] = {104729, 357012, 3, 999999, 481516};

// Results as the game appends them, one Append and Post each, so the file carries its log.
const Dataset& Results100k() {
  static const Dataset dataset = [] {
    std::mt19937 random(20061207);
    TableStore results(ResultFields());
    results.CreateDataSet();
    const int first_day = kvadrix::DaysFromCivil({2006, 1, 1});
    for (int i = 0; i < 100000; ++i) {
      results.Append();
      results.FieldByName("NEVKOD").SetAsInteger(kPlayerKeys[random() % 5]);
      results.FieldByName("JATEKKOD").SetAsInteger((1 + random() % 5) * 10000 + 1 + random() % 400);
      results.FieldByName("DATUM").SetAsDateTime(first_day + random() % 6000 + 0.5);
      results.FieldByName("IDO").SetAsInteger(100 + random() % 100000);
      results.Post();
    }
    Dataset made{Folder() / "eredmenyek.xml", ""};
    results.SaveToFile(made.file);
    made.bytes = ReadAll(made.file);
    return made;
  }();
  return dataset;
}

// A puzzle library as a generator writes it: no log, no row states.
const Dataset& Puzzles50k() {
  static const Dataset dataset = [] {
    std::mt19937 random(30007);
    std::string text =
        "<?xml version=\"1.0\" standalone=\"yes\"?>  <DATAPACKET Version=\"2.0\"><METADATA><FIELDS>"
        "<FIELD attrname=\"ID\" fieldtype=\"i4\"/><FIELD attrname=\"Nehezseg\" "
        "fieldtype=\"string\" WIDTH=\"1\"/><FIELD attrname=\"Sorszam\" fieldtype=\"i4\"/><FIELD "
        "attrname=\"Mezok\" fieldtype=\"string\" WIDTH=\"243\"/></FIELDS><PARAMS/></METADATA>"
        "<ROWDATA>";
    const auto add = [&](int id, char level, int number) {
      text += "<ROW ID=\"" + std::to_string(id) + "\" Nehezseg=\"" + level + "\" Sorszam=\"" +
              std::to_string(number) + "\" Mezok=\"";
      const int givens = 24 + static_cast<int>(random() % 9);
      for (int g = 0; g < givens; ++g) {
        for (int digit = 0; digit < 3; ++digit) text += static_cast<char>('1' + random() % 9);
      }
      text += "\"/>";
    };
    const char levels[] = "EAHMI";
    for (int level = 0; level < 5; ++level) {
      for (int number = 1; number <= 9999; ++number) {
        add((level + 1) * 10000 + number, levels[level], number);
      }
    }
    for (int number = 1; number <= 5; ++number) add(60000 + number, 'T', number);
    text += "</ROWDATA></DATAPACKET>";
    Dataset made{Folder() / "sudoku.xml", text};
    std::ofstream(made.file, std::ios::binary) << text;
    return made;
  }();
  return dataset;
}

void XMLCALL NoStart(void*, const XML_Char*, const XML_Char**) {}
void XMLCALL NoEnd(void*, const XML_Char*) {}

// The floor: expat parsing the bytes and handing every element with its attributes to a handler.
void BM_ExpatParseOnly(benchmark::State& state, const Dataset& (*dataset)()) {
  const std::string& bytes = dataset().bytes;
  for (auto _ : state) {
    XML_Parser parser = XML_ParserCreate(nullptr);
    XML_SetElementHandler(parser, &NoStart, &NoEnd);
    const XML_Status status =
        XML_Parse(parser, bytes.data(), static_cast<int>(bytes.size()), XML_TRUE);
    XML_ParserFree(parser);
    if (status != XML_STATUS_OK) state.SkipWithError("expat failed");
  }
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(bytes.size()));
}

void BM_TableLoad(benchmark::State& state, const Dataset& (*dataset)(), bool declared) {
  const Dataset& data = dataset();
  TableStore table = declared ? TableStore(ResultFields()) : TableStore();
  for (auto _ : state) {
    table.LoadFromFile(data.file);
    benchmark::DoNotOptimize(table.RecordCount());
  }
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(data.bytes.size()));
}

void BM_TableSave(benchmark::State& state) {
  const Dataset& data = Results100k();
  TableStore table(ResultFields());
  table.LoadFromFile(data.file);
  const std::filesystem::path target = Folder() / "saved.xml";
  for (auto _ : state) table.SaveToFile(target);
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(data.bytes.size()));
}

void BM_Filter(benchmark::State& state) {
  TableStore table(ResultFields());
  table.LoadFromFile(Results100k().file);
  table.SetFiltered(true);
  int round = 0;
  for (auto _ : state) {
    const int player = kPlayerKeys[round % 5];
    const int puzzle = 10001 + round % 400;
    ++round;
    table.SetFilter("NEVKOD=" + std::to_string(player) + " and JATEKKOD=" + std::to_string(puzzle));
    benchmark::DoNotOptimize(table.RecordCount());
  }
  state.SetItemsProcessed(state.iterations() * 100000);
}

const bool kRegistered = [] {
  benchmark::RegisterBenchmark("BM_ExpatParseOnly/results100k", BM_ExpatParseOnly, &Results100k)
      ->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("BM_TableLoad/results100k", BM_TableLoad, &Results100k, true)
      ->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("BM_TableSave/results100k", BM_TableSave)
      ->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("BM_ExpatParseOnly/puzzles50k", BM_ExpatParseOnly, &Puzzles50k)
      ->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("BM_TableLoad/puzzles50k", BM_TableLoad, &Puzzles50k, false)
      ->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("BM_Filter/results100k", BM_Filter)->Unit(benchmark::kMillisecond);
  return true;
}();

}  // namespace
