// Entries in the play folder that are no table file, under each table's name: loading names the
// file and says what it is, without blocking or reading without end, and no save writes over it.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <functional>
#include <set>
#include <string>

#include "common/error.h"
#include "players/player_tables.h"
#include "support/temp_folder.h"
#include "tables/table_store.h"

namespace kvadrix::players {
namespace {

using kvadrix::testing::TempFolder;

enum class Entry { kPipe, kFolder, kSocket, kDevice, kLoop, kDangling, kHuge };

// Makes the entry under the file's name; returns the reason its load gives.
std::string MakeEntry(Entry entry, const std::filesystem::path& file) {
  switch (entry) {
    case Entry::kPipe:
      EXPECT_EQ(::mkfifo(file.c_str(), 0600), 0);
      return "ez egy csővezeték, nem fájl";
    case Entry::kFolder:
      std::filesystem::create_directory(file);
      return "ez egy mappa, nem fájl";
    case Entry::kSocket: {
      sockaddr_un address{};
      address.sun_family = AF_UNIX;
      std::strncpy(address.sun_path, file.c_str(), sizeof(address.sun_path) - 1);
      const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
      EXPECT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
      ::close(fd);  // the name stays
      return "ez egy foglalat, nem fájl";
    }
    case Entry::kDevice:
      std::filesystem::create_symlink("/dev/zero", file);
      return "ez egy eszköz, nem fájl";
    case Entry::kLoop:
      std::filesystem::create_symlink(file.filename(), file);
      return "a szimbolikus linkek körbe mutatnak";
    case Entry::kDangling:
      std::filesystem::create_symlink("hianyzo.xml", file);
      return "a szimbolikus link nem létező fájlra mutat";
    case Entry::kHuge: {
      const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0600);
      EXPECT_EQ(::ftruncate(fd, (off_t{256} << 20) + 1), 0);  // sparse: costs no disk
      ::close(fd);
      return "túl nagy, több mint 256 MB";
    }
  }
  return "";
}

// What would show any write: the entry itself, where a link points, and the folder's names.
struct Snapshot {
  ino_t inode = 0;
  mode_t mode = 0;
  off_t size = 0;
  timespec modified{};
  std::string link;
  std::set<std::string> names;

  explicit Snapshot(const std::filesystem::path& file) {
    struct stat info;
    EXPECT_EQ(::lstat(file.c_str(), &info), 0);
    inode = info.st_ino;
    mode = info.st_mode;
    size = info.st_size;
    modified = info.st_mtim;
    std::error_code not_a_link;
    link = std::filesystem::read_symlink(file, not_a_link).string();
    for (const auto& entry : std::filesystem::directory_iterator(file.parent_path())) {
      names.insert(entry.path().filename().string());
    }
    if (S_ISDIR(mode)) {
      for (const auto& entry : std::filesystem::directory_iterator(file)) {
        names.insert("inside: " + entry.path().filename().string());
      }
    }
  }
  bool operator==(const Snapshot& other) const {
    return inode == other.inode && mode == other.mode && size == other.size &&
           modified.tv_sec == other.modified.tv_sec && modified.tv_nsec == other.modified.tv_nsec &&
           link == other.link && names == other.names;
  }
};

std::string ErrorOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const Error& error) {
    return error.what();
  }
  return "(no error)";
}

TEST(HostileEntries, AreReportedByNameAndNeverWrittenOver) {
  ::alarm(60);  // a read that blocks or never ends kills the test instead of hanging it
  const struct {
    std::string_view file;
    tables::TableStore (*make)();
  } tables[] = {{kPlayerFile, MakePlayerTable},
                {kResultFile, MakeResultTable},
                {kLastGameFile, MakeLastGameTable}};
  for (const auto& [name, make] : tables) {
    for (const Entry entry : {Entry::kPipe, Entry::kFolder, Entry::kSocket, Entry::kDevice,
                              Entry::kLoop, Entry::kDangling, Entry::kHuge}) {
      const TempFolder dir;
      const std::filesystem::path file = dir / name;
      const std::string reason = MakeEntry(entry, file);
      const std::string label = std::string(name) + ": " + reason;
      const Snapshot before(file);
      const std::string quoted = "A(z) \"" + file.string() + "\" fájl ";

      tables::TableStore loaded = make();
      EXPECT_EQ(ErrorOf([&] { LoadOrCreate(loaded, file); }),
                quoted + "nem olvasható: " + reason + ".")
          << label;
      EXPECT_FALSE(loaded.Active()) << label;
      EXPECT_EQ(ErrorOf([&] { loaded.RequireOpen(); }), quoted + "nem olvasható: " + reason + ".")
          << label;
      // Started afresh, the store that failed to load still keeps off the entry...
      loaded.CreateDataSet();
      EXPECT_EQ(ErrorOf([&] { loaded.SaveToFile(file); }).rfind(quoted + "nem menthető: ", 0), 0u)
          << label;
      // ...and so does one that never read it, for the same reason.
      tables::TableStore fresh = make();
      fresh.CreateDataSet();
      EXPECT_EQ(ErrorOf([&] { fresh.SaveToFile(file); }), quoted + "nem menthető: " + reason + ".")
          << label;
      EXPECT_TRUE(before == Snapshot(file)) << label;
    }
  }
  ::alarm(0);
}

}  // namespace
}  // namespace kvadrix::players
