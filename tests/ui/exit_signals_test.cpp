// A logout, `kill` or a closed terminal during a game: the game is stored as closing the window
// stores it, and the process ends by the signal. Each case runs the window in a child process
// that the signal really ends.
#include "app/exit_signals.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QtTest>

#include "app/tabla.h"
#include "players/player_tables.h"
#include "support/ui/window_steps.h"
#include "tables/file_writer.h"

using kvadrix::players::MakeLastGameTable;
using kvadrix::players::MakeResultTable;
using namespace kvadrix::test;

namespace {

// Raises the signal from inside the first write of a save, then lets the save go on.
class SignalInSave : public kvadrix::tables::FileWriter {
 public:
  explicit SignalInSave(int signal) : signal_(signal) {}
  ssize_t Write(int fd, const char* data, size_t size) override {
    if (!raised_) {
      raised_ = true;
      ::raise(signal_);
    }
    return FileWriter::Write(fd, data, size);
  }

 private:
  int signal_;
  bool raised_ = false;
};

// Runs the steps in a child with the window's signal answer in place, then the event loop as
// the program runs it; returns the child's wait status.
template <typename Steps>
int RunInChild(const PlayFolder& folder, Steps steps) {
  const pid_t child = ::fork();
  if (child == 0) {
    WindowUnderTest w(folder);
    if (!ShowWindow(w)) ::_exit(10);
    const kvadrix::app::ExitSignals exit_signals(
        [&w](int signal) { kvadrix::app::EndOnSignal(*w.window, signal); });
    steps(w);
    QTimer::singleShot(5000, [] { ::_exit(11); });  // the signal never came through
    QApplication::exec();
    ::_exit(12);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  return status;
}

void EnterPlayAndStartGame(WindowUnderTest& w, const QString& number) {
  NamesPage page(w);
  w.dialogs.answers = {false};
  Click(page.Btovabb);
  LoadPuzzle(w, QStringLiteral("Könnyű"), number);
}

}  // namespace

class ExitSignalsTest : public QObject {
  Q_OBJECT

 private slots:
  void EachSignalStoresTheGameInPlayThenEndsTheProgram() {
    for (const int signal : {SIGTERM, SIGHUP, SIGINT}) {
      PlayFolder folder;
      folder.WritePuzzles(SmallLibrary());
      folder.WritePlayers({"Anna"});
      const int status = RunInChild(folder, [signal](WindowUnderTest& w) {
        EnterPlayAndStartGame(w, QStringLiteral("2"));
        if (!ClockRuns(w)) ::_exit(13);
        w.clock.AdvanceTicks(4200);
        QTimer::singleShot(0, [signal] { ::raise(signal); });
      });
      QVERIFY2(WIFSIGNALED(status), qPrintable(QString::number(WEXITSTATUS(status))));
      QCOMPARE(WTERMSIG(status), signal);
      QCOMPARE(Rows(Reloaded(MakeLastGameTable, folder.File("utolso.xml"))),
               Texts{"101|10002|FALSE|4200|-"});
    }
  }

  // Outside a game there is nothing to store: the program just ends.
  void ASignalOnTheNamePageEndsTheProgram() {
    PlayFolder folder;
    folder.WritePuzzles(SmallLibrary());
    folder.WritePlayers({"Anna"});
    const int status = RunInChild(
        folder, [](WindowUnderTest&) { QTimer::singleShot(0, [] { ::raise(SIGTERM); }); });
    QVERIFY(WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM);
    QVERIFY(!QFileInfo::exists(QString::fromStdString(folder.File("utolso.xml").string())));
  }

  // Started with `nohup`, a closed terminal's SIGHUP is not the program's to answer; SIGTERM
  // still stores the game.
  void AnIgnoredSignalStaysIgnored() {
    PlayFolder folder;
    folder.WritePuzzles(SmallLibrary());
    folder.WritePlayers({"Anna"});
    ::signal(SIGHUP, SIG_IGN);
    const int status = RunInChild(folder, [](WindowUnderTest& w) {
      EnterPlayAndStartGame(w, QStringLiteral("2"));
      w.clock.AdvanceTicks(700);
      QTimer::singleShot(0, [] { ::raise(SIGHUP); });
      QTimer::singleShot(200, [] { ::raise(SIGTERM); });
    });
    ::signal(SIGHUP, SIG_DFL);
    QVERIFY(WIFSIGNALED(status));
    QCOMPARE(WTERMSIG(status), SIGTERM);
    QCOMPARE(Rows(Reloaded(MakeLastGameTable, folder.File("utolso.xml"))),
             Texts{"101|10002|FALSE|700|-"});
  }

  // A signal while the result of a finished game is being written: the save runs to its end,
  // then the program ends; the game was finished, so there is no unfinished game to store.
  void ASignalDuringASaveLetsItFinish() {
    PlayFolder folder;
    folder.WritePuzzles(SmallLibrary());
    folder.WritePlayers({"Anna"});
    const int status = RunInChild(folder, [](WindowUnderTest& w) {
      EnterPlayAndStartGame(w, QStringLiteral("1"));
      w.clock.AdvanceTicks(300);
      static SignalInSave writer(SIGTERM);
      const kvadrix::tables::ScopedFileWriter signalling(writer);
      w.dialogs.answers = {false};
      if (FillEmptyCells(w) == nullptr || ClockRuns(w)) ::_exit(14);
    });
    QVERIFY(WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM);
    QCOMPARE(Rows(Reloaded(MakeResultTable, folder.File("eredmenyek.xml"))).size(), size_t{1});
    QCOMPARE(Rows(Reloaded(MakeLastGameTable, folder.File("utolso.xml"))),
             Texts{"101|10001|TRUE|-|-"});
  }
};

QTEST_MAIN(ExitSignalsTest)
#include "exit_signals_test.moc"
