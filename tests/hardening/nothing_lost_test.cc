// Nothing the user made is lost in ordinary accidents, through the real
// programs: a damaged or strange data file, a failed save, a second program
// on the same data file (or no lock to tell), a data file another program
// changed, symbolic links, the clean-up of temporaries, the signals that end
// a program, a lost display, and bad command lines.

#include <fcntl.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/socket.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "driver_process.h"
#include "hardening_support.h"
#include "saved_data_check.h"

extern char** environ;

namespace zorvanel::hardening {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;

constexpr char kDataFile[] = "ZorvanelData.ptb";
constexpr char kLockFile[] = "ZorvanelData.lock";

class NothingLostTest : public ::testing::Test {
 protected:
  // Runs the driver on `folder` (else the scratch folder) with `script`;
  // `prefix` goes before the driver (another user, for instance).
  ExitStatus Drive(const std::string& script,
                   std::vector<std::string> prefix = {},
                   const fs::path& folder = {}) {
    WriteFile(script_path_, script);
    ::chmod(script_path_.c_str(), 0644);
    std::vector<std::string> args(prefix.begin() + (prefix.empty() ? 0 : 1),
                                  prefix.end());
    if (!prefix.empty()) args.push_back(ZV_DRIVER);
    args.insert(
        args.end(),
        {"--folder", (folder.empty() ? folder_.path() : folder).string(),
         script_path_.string()});
    return RunProgram(prefix.empty() ? ZV_DRIVER : prefix.front(), args,
                      &output_);
  }

  fs::path data_path() const { return folder_ / kDataFile; }

  // The copies kept beside the data file: "damaged", "mine" or "theirs".
  std::vector<std::string> KeptCopies(
      const std::string& why = "damaged") const {
    std::vector<std::string> kept;
    for (const std::string& name : folder_.FileNames()) {
      if (name.starts_with("ZorvanelData.ptb." + why + "-")) {
        kept.push_back(name);
      }
    }
    return kept;
  }

  // Runs a program with its private folder for locks in `folder`.
  static std::vector<std::string> LocksIn(const fs::path& folder) {
    return {"/usr/bin/env", "XDG_RUNTIME_DIR=", "TMPDIR=" + folder.string()};
  }

  bool SavedDataParses() const {
    Zorvanel saved;
    return saved.ParseFromString(ReadFile(data_path()));
  }

  ScratchFolder folder_;
  ScratchFolder scripts_;
  ScratchFolder locks_;
  fs::path script_path_ = scripts_ / "script.zvs";
  std::string output_;
};

TEST_F(NothingLostTest, DamagedDataFileIsKeptAsideAndWhatCouldBeReadIsUsed) {
  // The camera and lens parse; the bytes after them do not.
  const std::string damaged =
      FiftyMillimetreData().SerializeAsString() + "\x12\x7f\x0a\x03zz";
  WriteFile(data_path(), damaged);

  const ExitStatus run = Drive("dump\nkey enter\ndump\nclose\n");
  ASSERT_EQ(run.code, 0) << output_;
  const std::vector<std::string> kept = KeptCopies();
  ASSERT_EQ(kept.size(), 1u) << output_;
  EXPECT_EQ(ReadFile(folder_ / kept[0]), damaged);
  EXPECT_THAT(output_, HasSubstr("\"title\":\"Data file damaged\""));
  // Named in the box, on two lines.
  EXPECT_THAT(output_,
              HasSubstr("ZorvanelData.ptb\\r\\n" + kept[0].substr(16)));
  EXPECT_THAT(output_, HasSubstr("\"camera\":\"Body + Fifty\""));
  EXPECT_TRUE(SavedDataParses());
}

TEST_F(NothingLostTest, CrossedLinksAndStraySelectionsAreRepairedAtStart) {
  Zorvanel data = FullData();
  Equipment* e = data.mutable_equipment();
  e->mutable_cameras(1)->set_lens_index(2);   // lens 2 answers camera 2
  e->mutable_lenses(4)->set_camera_index(3);  // camera 3 has no lens
  e->set_current_camera(7);
  e->set_current_lens(-5);
  WriteFile(data_path(), data.SerializeAsString());

  ASSERT_EQ(Drive("close\n").code, 0) << output_;
  EXPECT_EQ(CheckSavedData(data_path()), "");
}

TEST_F(NothingLostTest, StrangeFilesNeitherHangNorCrashNorGetReplaced) {
  // A folder and a FIFO as the data file, a file beyond the size limit; a
  // folder as the language file, a FIFO as the camera database (picked from
  // the first-run equipment screen: the "Error" message).
  for (const std::string kind : {"folder", "fifo", "huge", "empty"}) {
    SCOPED_TRACE(kind);
    fs::remove_all(data_path());
    for (const std::string& name : KeptCopies()) fs::remove_all(folder_ / name);
    if (kind == "folder") fs::create_directory(data_path());
    if (kind == "fifo") {
      ASSERT_EQ(::mkfifo(data_path().c_str(), 0644), 0);
    }
    if (kind == "empty") WriteFile(data_path(), "");
    if (kind == "huge") {
      WriteFile(data_path(), "");
      fs::resize_file(data_path(), (size_t{256} << 20) + 1);  // sparse
    }
    fs::create_directory(folder_ / "Translation.lang");
    ::mkfifo((folder_ / "CameraDB.ptb").c_str(), 0644);

    const ExitStatus run =
        Drive("key enter\nclick 1000\nclick 1002\nclick 1001\ndump\nclose\n");
    ASSERT_FALSE(run.signalled) << output_;
    EXPECT_EQ(run.code, 0) << output_;
    EXPECT_THAT(output_, HasSubstr("\"title\":\"Error\""));
    EXPECT_EQ(KeptCopies().size(), 1u);
    EXPECT_TRUE(SavedDataParses());
  }
}

// Runs the driver as the user "nobody", to whom the scratch folder is
// read-only: root could write it anyway.
class ReadOnlyFolderTest : public NothingLostTest {
 protected:
  void SetUp() override {
    std::string ignored;
    const ExitStatus probe = RunProgram(
        "/usr/bin/setpriv",
        {"--reuid=nobody", "--regid=nogroup", "--clear-groups", "/bin/true"},
        &ignored);
    if (probe.signalled || probe.code != 0) {
      GTEST_SKIP() << "cannot run a program as the user nobody (setpriv)";
    }
    ::chmod(folder_.path().c_str(), 0755);
    ::chmod(scripts_.path().c_str(), 0755);
    ::chmod(locks_.path().c_str(), 01777);
    WriteFile(data_path(), FiftyMillimetreData().SerializeAsString());
  }

  std::vector<std::string> AsNobody() const {
    std::vector<std::string> prefix = LocksIn(locks_.path());
    prefix.insert(prefix.end(), {"/usr/bin/setpriv", "--reuid=nobody",
                                 "--regid=nogroup", "--clear-groups"});
    return prefix;
  }
  ExitStatus DriveAsNobody(const std::string& script) {
    return Drive(script, AsNobody());
  }
};

TEST_F(ReadOnlyFolderTest, WritableFileTakesOneProgramOnly) {
  ::chmod(data_path().c_str(), 0666);
  DriverProcess first(ZV_DRIVER, folder_.path(), "480x640",
                      scripts_ / "first.log", AsNobody());
  ASSERT_EQ(first.Dump()["dialog"], "CZorvanelDlg");
  EXPECT_EQ(DriveAsNobody("dump\nkey enter\n").code, 1) << output_;
  EXPECT_THAT(output_, HasSubstr("\"title\":\"Already running\""));
  ASSERT_TRUE(first.Send("close"));
  EXPECT_EQ(first.Finish(), 0);
}

TEST_F(ReadOnlyFolderTest, FailedSaveAsksAndEndsWithStatusOneWhenRefused) {
  const std::string old_bytes = ReadFile(data_path());
  // "Yes" tries again and fails again; "No" ends without saving.
  const ExitStatus run =
      DriveAsNobody("tap 50 100\nclose\ndump\nclick 1\ndump\nclick 2\n");
  EXPECT_EQ(run.code, 1) << output_;
  size_t reports = 0;  // one line on stderr per failed attempt
  for (size_t at = output_.find("could not save"); at != std::string::npos;
       at = output_.find("could not save", at + 1)) {
    ++reports;
  }
  EXPECT_EQ(reports, 2u) << output_;
  EXPECT_THAT(output_, HasSubstr("\"title\":\"Not saved\""));
  EXPECT_THAT(output_, HasSubstr("Permission denied"));
  EXPECT_EQ(ReadFile(data_path()), old_bytes);
}

TEST_F(ReadOnlyFolderTest, FirstSaveGivesTheFoldersRefusalAsTheReason) {
  fs::remove(data_path());
  const ExitStatus run = DriveAsNobody("close\nclick 2\n");
  EXPECT_EQ(run.code, 1) << output_;
  EXPECT_THAT(output_,
              HasSubstr(kDataFile + std::string(": Permission denied")));
}

TEST_F(ReadOnlyFolderTest, WritableFileInReadOnlyFolderIsWrittenInPlace) {
  ::chmod(data_path().c_str(), 0666);
  const ExitStatus run = DriveAsNobody("tap 50 100\nclose\n");
  EXPECT_EQ(run.code, 0) << output_;
  Zorvanel saved;
  ASSERT_TRUE(saved.ParseFromString(ReadFile(data_path())));
  EXPECT_FALSE(saved.options().show_hyperfocal());  // the tap's change
}

TEST_F(NothingLostTest, SecondProgramOnTheFolderEndsWithoutWriting) {
  WriteFile(data_path(), FiftyMillimetreData().SerializeAsString());
  DriverProcess first(ZV_DRIVER, folder_.path(), "480x640",
                      scripts_ / "first.log");
  ASSERT_EQ(first.Dump()["dialog"], "CZorvanelDlg");
  const std::vector<std::string> before = folder_.FileNames();

  const ExitStatus second = Drive("dump\nkey enter\n");
  EXPECT_EQ(second.code, 1) << output_;
  EXPECT_THAT(output_, HasSubstr("\"title\":\"Already running\""));
  EXPECT_EQ(folder_.FileNames(), before);

  ASSERT_TRUE(first.Send("tap 50 100"));  // the first one goes on
  ASSERT_TRUE(first.Send("close"));
  EXPECT_EQ(first.Finish(), 0);
  Zorvanel saved;
  ASSERT_TRUE(saved.ParseFromString(ReadFile(data_path())));
  EXPECT_FALSE(saved.options().show_hyperfocal());
}

TEST_F(NothingLostTest, LinksNeverSplitTheLock) {
  // A lock file that is a link (its target stays as it is; the lock goes
  // to the private folder), and a second folder linking to the data file.
  ScratchFolder other;
  WriteFile(data_path(), FiftyMillimetreData().SerializeAsString());
  WriteFile(other / "target", "not a lock");
  fs::create_symlink(other / "target", folder_ / kLockFile);
  fs::create_symlink(data_path(), other / kDataFile);
  DriverProcess first(ZV_DRIVER, folder_.path(), "480x640",
                      scripts_ / "first.log", LocksIn(locks_.path()));
  ASSERT_EQ(first.Dump()["dialog"], "CZorvanelDlg");
  for (const fs::path& folder : {folder_.path(), other.path()}) {
    const ExitStatus second =
        Drive("dump\nkey enter\n", LocksIn(locks_.path()), folder);
    EXPECT_EQ(second.code, 1) << output_;
    EXPECT_THAT(output_, HasSubstr("\"title\":\"Already running\""));
  }
  ASSERT_TRUE(first.Send("close"));
  EXPECT_EQ(first.Finish(), 0);
  EXPECT_TRUE(fs::is_symlink(folder_ / kLockFile));
  EXPECT_EQ(ReadFile(other / "target"), "not a lock");
}

TEST_F(NothingLostTest, WithoutAnyLockTheUserDecides) {
  // The lock file is a link and the private folder cannot be made.
  WriteFile(data_path(), FiftyMillimetreData().SerializeAsString());
  const std::string before = ReadFile(data_path());
  fs::create_symlink("elsewhere", folder_ / kLockFile);
  for (const std::string answer : {"2", "1"}) {  // "No" ends, "Yes" runs
    const ExitStatus run =
        Drive("dump\nclick " + answer + "\ntap 50 100\nclose\n",
              LocksIn(data_path()));
    EXPECT_THAT(output_, HasSubstr("\"title\":\"Not locked\""));
    EXPECT_EQ(run.code, answer == "1" ? 0 : 1) << output_;
    EXPECT_EQ(ReadFile(data_path()) == before, answer == "2");
  }
}

TEST_F(NothingLostTest, FileChangedByAnotherProgramSurvivesEitherAnswer) {
  const std::string theirs = FullData().SerializeAsString();
  for (const std::string answer : {"1", "2"}) {  // keep mine, keep theirs
    SCOPED_TRACE(answer);
    WriteFile(data_path(), FiftyMillimetreData().SerializeAsString());
    DriverProcess driver(ZV_DRIVER, folder_.path(), "480x640",
                         scripts_ / "log");
    ASSERT_EQ(driver.Dump()["dialog"], "CZorvanelDlg");
    WriteFile(folder_ / "new", theirs);
    fs::rename(folder_ / "new", data_path());
    ASSERT_TRUE(driver.Send("close"));
    EXPECT_EQ(driver.Dump()["title"], "Data file changed");
    ASSERT_TRUE(driver.Send("click " + answer));
    EXPECT_EQ(driver.Finish(), 0);
    // The one kept in place, the other beside it.
    const std::vector<std::string> beside =
        KeptCopies(answer == "1" ? "theirs" : "mine");
    ASSERT_EQ(beside.size(), 1u);
    const fs::path copy = folder_ / beside[0];
    EXPECT_EQ(ReadFile(answer == "1" ? copy : data_path()), theirs);
    Zorvanel mine;
    ASSERT_TRUE(
        mine.ParseFromString(ReadFile(answer == "1" ? data_path() : copy)));
    EXPECT_EQ(mine.equipment().cameras_size(), 1);
    fs::remove(copy);
  }
}

TEST_F(NothingLostTest, LinkToAFolderOrADeviceIsKeptAsideNotItsTarget) {
  const fs::path photos = scripts_ / "Pictures";
  fs::create_directory(photos);
  WriteFile(photos / "photo.jpg", "photo");
  std::vector<fs::path> targets = {photos};
  const fs::path zero = scripts_ / "zero";  // only root makes device nodes
  if (::mknod(zero.c_str(), S_IFCHR | 0666, ::makedev(1, 5)) == 0) {
    targets.push_back(zero);
  }
  for (const fs::path& target : targets) {
    SCOPED_TRACE(target);
    fs::create_symlink(target, data_path());
    ASSERT_EQ(Drive("key enter\nclose\n").code, 0) << output_;
    const std::vector<std::string> kept = KeptCopies();
    ASSERT_EQ(kept.size(), 1u);
    EXPECT_EQ(fs::read_symlink(folder_ / kept[0]), target);
    EXPECT_TRUE(SavedDataParses());
    fs::remove(folder_ / kept[0]);
    fs::remove(data_path());
  }
  EXPECT_EQ(ReadFile(photos / "photo.jpg"), "photo");
  EXPECT_EQ(fs::is_character_file(zero), targets.size() > 1);
}

TEST_F(NothingLostTest, DriverEndsOnAHangupAsOnAClose) {
  WriteFile(data_path(), FiftyMillimetreData().SerializeAsString());
  DriverProcess driver(ZV_DRIVER, folder_.path(), "480x640",
                       scripts_ / "driver.log");
  ASSERT_TRUE(driver.Send("tap 50 100"));
  ASSERT_EQ(driver.Dump()["dialog"], "CZorvanelDlg");  // the tap is done
  ::kill(driver.pid(), SIGHUP);
  EXPECT_EQ(driver.Finish(), 0);
  Zorvanel saved;
  ASSERT_TRUE(saved.ParseFromString(ReadFile(data_path())));
  EXPECT_FALSE(saved.options().show_hyperfocal());
}

TEST_F(NothingLostTest, SaveThroughASymlinkReplacesItsTarget) {
  ScratchFolder elsewhere;
  const fs::path target = elsewhere / "my-data.ptb";
  WriteFile(target, FiftyMillimetreData().SerializeAsString());
  fs::create_symlink(target, data_path());

  ASSERT_EQ(Drive("tap 50 100\nclose\n").code, 0) << output_;
  EXPECT_TRUE(fs::is_symlink(data_path()));
  Zorvanel saved;
  ASSERT_TRUE(saved.ParseFromString(ReadFile(target)));
  EXPECT_FALSE(saved.options().show_hyperfocal());
  // The lock sits beside the real file.
  EXPECT_THAT(elsewhere.FileNames(),
              ::testing::ElementsAre("my-data.lock", "my-data.ptb"));
}

TEST_F(NothingLostTest, CleanUpRemovesOnlyTemporariesOfEndedRuns) {
  WriteFile(data_path(), FiftyMillimetreData().SerializeAsString());
  // No process has a pid that large on this system's default limit.
  WriteFile(folder_ / "ZorvanelData.ptb.tmp.4000000.3", "stale");
  WriteFile(folder_ / "ZorvanelData.ptb.tmp.4000000.my backup", "mine");
  WriteFile(folder_ / "ZorvanelData.ptb.tmp.4000000.3.old", "mine too");

  ASSERT_EQ(Drive("close\n").code, 0) << output_;
  EXPECT_EQ(folder_.FileNames(),
            (std::vector<std::string>{
                kLockFile, kDataFile, "ZorvanelData.ptb.tmp.4000000.3.old",
                "ZorvanelData.ptb.tmp.4000000.my backup"}));
}

TEST_F(NothingLostTest, FolderThatIsMissingOrEmptyIsABadCommandLine) {
  for (const std::string program : {ZV_DRIVER, ZV_DESKTOP}) {
    for (const std::string folder : {"", "/no/such/folder"}) {
      SCOPED_TRACE(program + " --folder '" + folder + "'");
      const ExitStatus run =
          RunProgram(program, {"--folder", folder}, &output_);
      EXPECT_EQ(run.code, 2) << output_;
      EXPECT_THAT(output_, HasSubstr("folder"));
    }
  }
}

// The desktop program in a virtual X display (Xvfb), which picks a free
// display itself and writes its number to a pipe.
class DesktopEndingTest : public NothingLostTest {
 protected:
  void SetUp() override {
    ASSERT_EQ(::access("/usr/bin/Xvfb", X_OK), 0)
        << "Xvfb is missing: install xvfb (scripts/test does)";
    int pipe_fds[2];
    ASSERT_EQ(::pipe(pipe_fds), 0);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipe_fds[1], 3);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null",
                                     O_WRONLY, 0);
    xvfb_ = Spawn({"/usr/bin/Xvfb", "-displayfd", "3", "-nolisten", "tcp",
                   "-noreset"},
                  &actions);
    posix_spawn_file_actions_destroy(&actions);
    ::close(pipe_fds[1]);
    std::string display = ":";
    for (char c; ::read(pipe_fds[0], &c, 1) == 1 && c != '\n';) display += c;
    ::close(pipe_fds[0]);
    ASSERT_NE(display, ":") << "Xvfb did not start";
    ASSERT_TRUE(WaitUntilServing(display)) << "Xvfb answers no client";
    ::setenv("DISPLAY", display.c_str(), 1);
    // X11 by name: a failure to use it shows SDL's reason instead of a
    // fallback to no display.
    ::setenv("SDL_VIDEODRIVER", "x11", 1);
    // Memory errors, not leaks, in a real window: the display libraries SDL
    // loads and unloads keep memory the leak checker can no longer name.
    if (const char* asan = std::getenv("ASAN_OPTIONS")) {
      ::setenv("ASAN_OPTIONS", (std::string(asan) + ":detect_leaks=0").c_str(),
               1);
    }

    WriteFile(data_path(), FiftyMillimetreData().SerializeAsString());
  }

  // Starts the desktop program on the folder, its stderr going to `log`.
  void StartProgram(const fs::path& log) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, log.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);
    program_ = Spawn({ZV_DESKTOP, "--screen", "480x640", "--folder",
                      folder_.path().string()},
                     &actions);
    posix_spawn_file_actions_destroy(&actions);
  }
  void TearDown() override {
    // Without its display a program still running ends as well.
    if (xvfb_ > 0) {
      ::kill(xvfb_, SIGTERM);
      Wait(xvfb_);
    }
    if (program_ > 0) Wait(program_);
    ::unsetenv("DISPLAY");
    ::unsetenv("SDL_VIDEODRIVER");
  }

  static pid_t Spawn(std::vector<std::string> args,
                     const posix_spawn_file_actions_t* actions) {
    std::vector<char*> argv;
    for (std::string& arg : args) argv.push_back(arg.data());
    argv.push_back(nullptr);
    pid_t pid = -1;
    posix_spawn(&pid, argv[0], actions, nullptr, argv.data(), environ);
    return pid;
  }
  static int Wait(pid_t& pid) {
    int status = 0;
    ::waitpid(pid, &status, 0);
    pid = -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  }
  // Xvfb names its display when its socket listens, a moment before it
  // answers: a client that came then would find no display. Ready once it
  // accepts a connection (the X protocol's opening, which needs no
  // authorisation here).
  static bool WaitUntilServing(const std::string& display) {
    const std::string path = "/tmp/.X11-unix/X" + display.substr(1);
    for (int i = 0; i < 200; ++i) {
      if (AcceptsClient(path)) return true;
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return false;
  }
  static bool AcceptsClient(const std::string& path) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    path.copy(address.sun_path, sizeof address.sun_path - 1);
    // Little-endian byte order, protocol 11.0, no authorisation.
    const unsigned char kSetup[12] = {'l', 0, 11, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    unsigned char answer = 0;
    const bool accepted =
        ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) ==
            0 &&
        ::write(fd, kSetup, sizeof kSetup) == sizeof kSetup &&
        ::read(fd, &answer, 1) == 1 && answer == 1;
    ::close(fd);
    return accepted;
  }
  // The program holds the folder's lock once its window is up. Looked up
  // in /proc/locks: taking the lock to test it could turn the program away.
  bool WaitUntilLocked() const {
    // 90 s: an emulated arm64 program on a busy machine starts slowly.
    for (int i = 0; i < 1800; ++i) {
      struct stat info {};
      if (::stat((folder_ / kLockFile).c_str(), &info) == 0) {
        const std::string inode = ":" + std::to_string(info.st_ino) + " ";
        std::istringstream locks(ReadFile("/proc/locks"));
        for (std::string line; std::getline(locks, line);) {
          if (line.find("FLOCK") != std::string::npos &&
              line.find(inode) != std::string::npos) {
            return true;
          }
        }
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return false;
  }
  ino_t DataInode() const {
    struct stat info {};
    ::stat(data_path().c_str(), &info);
    return info.st_ino;
  }

  pid_t xvfb_ = -1;
  pid_t program_ = -1;
};

// A logout (SIGTERM), Ctrl+C in the terminal (SIGINT) and a closed terminal
// (SIGHUP) end the program as "Exit" does.
class DesktopSignalTest : public DesktopEndingTest,
                          public ::testing::WithParamInterface<int> {};

TEST_P(DesktopSignalTest, SignalSaves) {
  StartProgram(scripts_ / "log");
  ASSERT_TRUE(WaitUntilLocked())
      << "the program never started: " << ReadFile(scripts_ / "log");
  const ino_t before = DataInode();
  ::kill(program_, GetParam());
  EXPECT_EQ(Wait(program_), 0);
  EXPECT_NE(DataInode(), before);  // a new file was written
  EXPECT_TRUE(SavedDataParses());
}

INSTANTIATE_TEST_SUITE_P(Endings, DesktopSignalTest,
                         ::testing::Values(SIGTERM, SIGINT, SIGHUP),
                         [](const auto& info) {
                           return std::string(sigabbrev_np(info.param));
                         });

TEST_F(DesktopEndingTest, LostDisplaySaves) {
  StartProgram(scripts_ / "log");
  ASSERT_TRUE(WaitUntilLocked())
      << "the program never started: " << ReadFile(scripts_ / "log");
  const ino_t before = DataInode();
  ::kill(xvfb_, SIGKILL);
  Wait(xvfb_);
  EXPECT_EQ(Wait(program_), 0);
  EXPECT_NE(DataInode(), before);
  EXPECT_TRUE(SavedDataParses());
}

// A logout takes the display away while the program is still closing its
// window: it ends as the signal asked, never by the lost display's save.
TEST_F(DesktopEndingTest, SignalWithTheDisplayGoingSaves) {
  StartProgram(scripts_ / "log");
  ASSERT_TRUE(WaitUntilLocked())
      << "the program never started: " << ReadFile(scripts_ / "log");
  ::kill(program_, SIGTERM);
  ::kill(xvfb_, SIGKILL);
  Wait(xvfb_);
  EXPECT_EQ(Wait(program_), 0) << ReadFile(scripts_ / "log");
  EXPECT_TRUE(SavedDataParses());
}

TEST_F(DesktopEndingTest, LostDisplayOfASecondProgramWritesNothing) {
  DriverProcess first(ZV_DRIVER, folder_.path(), "480x640",
                      scripts_ / "first.log");
  ASSERT_EQ(first.Dump()["dialog"], "CZorvanelDlg");
  const std::string bytes = ReadFile(data_path());
  const ino_t before = DataInode();
  StartProgram(scripts_ / "log");
  for (int i = 0;
       i < 600 &&
       ReadFile(scripts_ / "log").find("another Zorvanel") == std::string::npos;
       ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  ASSERT_THAT(ReadFile(scripts_ / "log"), HasSubstr("another Zorvanel"));
  ::kill(xvfb_, SIGKILL);
  Wait(xvfb_);
  EXPECT_EQ(Wait(program_), 1);
  EXPECT_EQ(DataInode(), before);
  EXPECT_EQ(ReadFile(data_path()), bytes);
}

}  // namespace
}  // namespace zorvanel::hardening
