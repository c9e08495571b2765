// Files that cannot be read or written: clear errors, no data lost on disk or in memory.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "common/error.h"
#include "support/table_test_support.h"
#include "tables/table_store.h"

namespace kvadrix::tables::testing {
namespace {

std::string ErrorOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const Error& error) {
    return error.what();
  }
  ADD_FAILURE() << "no error";
  return "";
}

bool Contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

void AppendKey(TableStore& players, int key) {
  players.Append();
  players.FieldByName("kod").SetAsInteger(key);
  players.Post();
}

int FileCount(const std::filesystem::path& folder) {
  int count = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder)) ++count;
  return count;
}

TEST(TableFileFailure, MalformedFilesAreRefusedWithTheirFault) {
  const std::string row = "<ROW nevkod=\"1\"/>";
  const std::vector<std::pair<std::string, std::string>> cases = {
      {ResultFile("<PARAMS/>", "<ROW nevkod=\"1\">"), "hibás XML"},
      {ResultFile("<PARAMS/>", "<ROW nevkod=\"x1\"/>"), "\"nevkod\" mező értéke hibás"},
      {ResultFile("<PARAMS/>", "<ROW datum=\"20061332\"/>"), "\"datum\" mező értéke hibás"},
      {ResultFile("<PARAMS/>", "<ROW nev=\"x\"/>"), "ismeretlen mező"},
      {ResultFile("<PARAMS/>", "<ROW RowState=\"-1\"/>"), "RowState"},
      // The place is where the refused element begins.
      {ResultFile("<PARAMS/>", "<ROW RowState=\"16\"/>"),
       "ismeretlen RowState érték: \"16\" (1. sor, 287. oszlop)"},
      {ResultFile("<PARAMS/>", "<ROW RowState=\"3\"/>"), "ismeretlen RowState érték: \"3\""},
      // Code page 1250 has no character for 0x81; no file the program wrote holds it.
      {ResultFile("<PARAMS/>", "<ROW jatekkod=\"1\x81\"/>"),
       "érvénytelen bájt az 1250-es kódlapban: 0x81 (1. sor, 303. oszlop)"},
      {ResultFile("<PARAMS CHANGE_LOG=\"1 0\"/>", row), "CHANGE_LOG"},
      {ResultFile("<PARAMS/>", "<ROWDATA/>"), "nem állhat"},
      {ResultFile("<PARAMS/><FIELDS/>", row), "nem állhat"},
      {ResultFile("<PARAMS/>", "<X/>"), "ismeretlen elem"},
      {"<!DOCTYPE d [<!ENTITY a \"b\">]><DATAPACKET/>", "DOCTYPE"},
      {"<DATAPACKET Version=\"2.0\"></DATAPACKET>", "METADATA"},
      {"<DATAPACKET><METADATA><FIELDS><FIELD attrname=\"a\" fieldtype=\"nested\"/></FIELDS>"
       "</METADATA></DATAPACKET>",
       "mezőtípus"},
      {"<DATAPACKET><METADATA><FIELDS><FIELD attrname=\"a\" fieldtype=\"i4\"/><FIELD "
       "attrname=\"A\" fieldtype=\"i4\"/></FIELDS></METADATA></DATAPACKET>",
       "kétszer"},
      {"", "hibás XML"},
      {ResultFile("<PARAMS/>", "").substr(0, 290),
       "hibás XML: a fájl idő előtt véget ér (csonka) (1. sor, 287. oszlop)"},
  };
  for (const auto& [file, fault] : cases) {
    TableStore table;
    const std::string message = ErrorOf([&] { table.LoadFromBytes(file, "eredmenyek.xml"); });
    EXPECT_TRUE(Contains(message, "A(z) \"eredmenyek.xml\" fájl nem olvasható: ")) << message;
    EXPECT_TRUE(Contains(message, fault)) << message;
    EXPECT_FALSE(table.Active());
  }
}

TEST(TableFileFailure, FileThatFailedToLoadIsNeverSavedOver) {
  TempFolder dir;
  const auto file = dir / "jatekosok.xml";
  const std::string damaged = ResultFile("<PARAMS/>", "<ROW nevkod=\"1\"/>");  // wrong fields
  WriteBytes(file, damaged);

  TableStore players(PlayerFields());
  const std::string message = ErrorOf([&] { players.LoadFromFile(file); });
  EXPECT_TRUE(Contains(message, "fájl nem olvasható: a mezői nem egyeznek")) << message;
  EXPECT_TRUE(Contains(message, file.string())) << message;
  EXPECT_FALSE(players.Active());

  players.CreateDataSet();
  players.Append();
  players.FieldByName("nev").SetAsString("Anna");
  EXPECT_TRUE(Contains(ErrorOf([&] { players.SaveToFile(file); }), "nem menthető"));
  EXPECT_TRUE(Contains(ErrorOf([&] { players.SaveToFile(dir.path() / "." / "jatekosok.xml"); }),
                       "nem írja felül"));
  EXPECT_EQ(ReadBytes(file), damaged);
  EXPECT_EQ(players.RecordCount(), 1);  // the pending record was posted, nothing lost in memory

  // Mended by hand and loaded, the file may be written again.
  players.SaveToFile(dir / "other.xml");
  std::filesystem::copy_file(dir / "other.xml", file,
                             std::filesystem::copy_options::overwrite_existing);
  players.LoadFromFile(file);
  AppendKey(players, 2);
  players.SaveToFile(file);
  players.LoadFromFile(file);
  EXPECT_EQ(players.RecordCount(), 2);

  // A file that exists but cannot be read (here a folder) is protected the same way; a missing
  // one is simply missing.
  std::filesystem::create_directory(dir / "utolso.xml");
  TableStore last(LastGameFields());
  EXPECT_TRUE(Contains(ErrorOf([&] { last.LoadFromFile(dir / "utolso.xml"); }), "mappa"));
  last.CreateDataSet();
  EXPECT_TRUE(Contains(ErrorOf([&] { last.SaveToFile(dir / "utolso.xml"); }), "nem írja felül"));
  TableStore results(ResultFields());
  EXPECT_TRUE(
      Contains(ErrorOf([&] { results.LoadFromFile(dir / "eredmenyek.xml"); }), "nem létezik"));
  results.CreateDataSet();
  results.SaveToFile(dir / "eredmenyek.xml");
}

// A store whose fields come from its file still needs the fields it reads; and every later use
// of a store whose load failed says what is wrong with its file.
TEST(TableFileFailure, LoadErrorsNameTheFileAtLoadAndAtEveryUse) {
  const std::string head =
      std::string(kDeclaration) + "<DATAPACKET Version=\"2.0\"><METADATA><FIELDS>";
  const std::string tail = "</FIELDS><PARAMS/></METADATA><ROWDATA></ROWDATA></DATAPACKET>";
  const std::string id = "<FIELD attrname=\"ID\" fieldtype=\"i4\"/>";
  const std::string mezok = "<FIELD attrname=\"Mezok\" fieldtype=\"string\" WIDTH=\"9\"/>";
  const std::vector<std::pair<std::string, std::string>> cases = {
      {id, "hiányzik a(z) \"Mezok\" mező"},
      {"<FIELD attrname=\"ID\" fieldtype=\"string\" WIDTH=\"5\"/>" + mezok,
       "a(z) \"ID\" mező típusa nem megfelelő (\"string\")"},
  };
  for (const auto& [fields, fault] : cases) {
    TableStore puzzles;
    puzzles.SetIndexFieldNames("ID");
    puzzles.SetRequiredFields({IntegerField("ID"), StringField("Mezok", 243)});
    const std::string message =
        ErrorOf([&] { puzzles.LoadFromBytes(head + fields + tail, "sudoku.xml"); });
    EXPECT_EQ(message, "A(z) \"sudoku.xml\" fájl nem olvasható: " + fault + ".");
    EXPECT_EQ(ErrorOf([&] { puzzles.First(); }), message);
    EXPECT_EQ(ErrorOf([&] { puzzles.RequireOpen(); }), message);
    // Widths and further fields are the file's own.
    puzzles.LoadFromBytes(head + id + "<FIELD attrname=\"X\" fieldtype=\"r8\"/>" + mezok + tail,
                          "sudoku.xml");
    puzzles.RequireOpen();
  }
  TableStore results(ResultFields());
  EXPECT_EQ(ErrorOf([&] { results.Append(); }), "A tábla nincs megnyitva.");
  const std::string message = ErrorOf([&] { results.LoadFromBytes("<DATA", "eredmenyek.xml"); });
  EXPECT_EQ(ErrorOf([&] { results.Append(); }), message);
  results.CreateDataSet();
  results.RequireOpen();
}

TEST(TableFileFailure, FailedSaveKeepsTheOldFileAndTheStore) {
  TempFolder dir;
  const auto file = dir / "jatekosok.xml";
  TableStore players(PlayerFields());
  players.CreateDataSet();
  players.SaveToFile(file);
  const std::string old_bytes = ReadBytes(file);

  // A value the file cannot hold stops the save before the disk is touched.
  players.LoadFromBytes(
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?><DATAPACKET><METADATA><FIELDS><FIELD "
      "attrname=\"kod\" fieldtype=\"i4\"/><FIELD attrname=\"nev\" fieldtype=\"string\" "
      "WIDTH=\"15\"/><FIELD attrname=\"jelszo\" fieldtype=\"string\" WIDTH=\"10\"/><FIELD "
      "attrname=\"szin\" fieldtype=\"i4\"/><FIELD attrname=\"szint\" fieldtype=\"i4\"/></FIELDS>"
      "</METADATA><ROWDATA><ROW nev=\"\xE2\x98\x83\"/></ROWDATA></DATAPACKET>",
      "jatekosok.xml");
  EXPECT_TRUE(Contains(ErrorOf([&] { players.SaveToFile(file); }), "nem tud tárolni"));
  EXPECT_EQ(ReadBytes(file), old_bytes);
  EXPECT_EQ(FileCount(dir.path()), 1);  // no temporary file left behind

  // A folder that does not exist: the error names the file; memory is as it was.
  players.CreateDataSet();
  AppendKey(players, 1);
  const auto missing = dir / "nincs" / "jatekosok.xml";
  const std::string message = ErrorOf([&] { players.SaveToFile(missing); });
  EXPECT_TRUE(Contains(message, "A(z) \"" + missing.string() + "\" fájl nem menthető: "))
      << message;
  EXPECT_EQ(players.RecordCount(), 1);
  EXPECT_EQ(players.ChangeLog().size(), 3u);

  if (PermissionsBind()) {
    ::chmod(dir.path().c_str(), 0555);
    EXPECT_TRUE(Contains(ErrorOf([&] { players.SaveToFile(file); }), "jogosultság"));
    ::chmod(dir.path().c_str(), 0755);
    EXPECT_EQ(ReadBytes(file), old_bytes);
  }
}

TEST(TableFileFailure, PermissionsAndLinksOfWrittenFiles) {
  TempFolder dir;
  const mode_t old_umask = ::umask(022);
  const auto mode_of = [](const std::filesystem::path& file) {
    struct stat info;
    ::stat(file.c_str(), &info);
    return info.st_mode & 0777;
  };
  TableStore players(PlayerFields());
  players.CreateDataSet();
  players.SaveToFile(dir / "plain.xml");
  EXPECT_EQ(mode_of(dir / "plain.xml"), 0644u);
  ::chmod((dir / "plain.xml").c_str(), 0640);
  players.SaveToFile(dir / "plain.xml");
  EXPECT_EQ(mode_of(dir / "plain.xml"), 0640u);  // a replaced file keeps its permissions

  players.SetOwnerOnlyFile(true);
  players.SaveToFile(dir / "jatekosok.xml");
  EXPECT_EQ(mode_of(dir / "jatekosok.xml"), 0600u);
  players.SaveToFile(dir / "plain.xml");
  EXPECT_EQ(mode_of(dir / "plain.xml"), 0600u);
  ::umask(old_umask);

  // Saving through a symbolic link replaces the file it points to and keeps the link.
  std::filesystem::create_symlink(dir / "plain.xml", dir / "link.xml");
  AppendKey(players, 1);
  players.SaveToFile(dir / "link.xml");
  EXPECT_TRUE(std::filesystem::is_symlink(dir / "link.xml"));
  EXPECT_EQ(ReadBytes(dir / "plain.xml"), players.SaveToBytes());
  // A relative link to that link, from another folder: the end of the chain is written, the
  // links stay as they were and nothing new appears beside them.
  std::filesystem::create_directory(dir / "play");
  std::filesystem::create_symlink("../link.xml", dir / "play" / "jatekosok.xml");
  AppendKey(players, 2);
  players.SaveToFile(dir / "play" / "jatekosok.xml");
  EXPECT_EQ(std::filesystem::read_symlink(dir / "play" / "jatekosok.xml"), "../link.xml");
  EXPECT_EQ(std::filesystem::read_symlink(dir / "link.xml"), dir / "plain.xml");
  EXPECT_EQ(ReadBytes(dir / "plain.xml"), players.SaveToBytes());
  EXPECT_EQ(FileCount(dir / "play"), 1);
  EXPECT_EQ(FileCount(dir.path()), 4);  // plain.xml, jatekosok.xml, link.xml, play
}

}  // namespace
}  // namespace kvadrix::tables::testing
