// Every command over damaged, read-only and locked copies of the demo road: its exit status
// tells the truth, a refusal changes no byte of the project and no run leaves a file behind.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <functional>
#include <limits>
#include <sstream>

#include "demo_copy.h"

namespace calvora {
namespace {

namespace fs = std::filesystem;
using testing::ProgramRun;
using testing::ReadText;
using testing::TempFolder;

using testing::DemoCopy;
using testing::FolderSnapshot;

struct RefusalCase {
  const char* what;
  std::function<void(const DemoCopy&)> damage;
  const char* command;
  const char* message;  // part of stderr
  int status = 1;
};

const float kNaN = std::numeric_limits<float>::quiet_NaN();

void NoDamage(const DemoCopy&) {}
void FolderFor(const DemoCopy& demo, const char* name) {
  fs::remove(demo / name);
  fs::create_directory(demo / name);
}

// Each case fails with its status and a message, and leaves every file as it was.
const RefusalCase kRefusals[] = {
    {"output is the data file", NoDamage, "volumes DEMO.PRJ --out DEMO.DAT --yes",
     "is the data file of the project"},
    {"output is the project file", NoDamage, "dxf DEMO.PRJ --out ./DEMO.PRJ --yes",
     "is the project file"},
    {"print over the variants, no --yes", NoDamage, "print DEMO.PRJ --pdf DEMO.VAR",
     "is the variant file of the project"},
    {"output through a link to the alignment",
     [](const DemoCopy& d) { fs::create_symlink(d / "DEMO.CRV", d / "LINK.XYZ"); },
     "coordinates DEMO.PRJ --out LINK.XYZ --yes", "is the alignment file of the project"},
    {"design over the alignment", NoDamage, "curves DEMO.PRJ --speed 80 --out DEMO.CRV --yes",
     "is the alignment file of the project"},
    {"quantity file is a report of the run", NoDamage, "volumes DEMO.PRJ --out DEMO.SRF --yes",
     "of this run"},
    {"missing data file, volumes --yes", [](const DemoCopy& d) { fs::remove(d / "DEMO.DAT"); },
     "volumes DEMO.PRJ --yes", "DEMO.DAT does not exist"},
    {"control bytes in a file name",
     [](const DemoCopy& d) {
       d.ChangeProject([](ProjectRecord& p) { p.DataFile = "DE\x1b[2JMO.DAT"; });
     },
     "elevations DEMO.PRJ --yes", "control characters"},
    {"folder in place of the data file", [](const DemoCopy& d) { FolderFor(d, "DEMO.DAT"); },
     "section DEMO.PRJ --record 1", "a folder, not a file"},
    {"folder in place of the variants", [](const DemoCopy& d) { FolderFor(d, "DEMO.VAR"); },
     "dxf DEMO.PRJ --yes", "a folder, not a file"},
    {"stripping width infinite",
     [](const DemoCopy& d) { d.ChangeProject([](ProjectRecord& p) { p.DecaThick = INFINITY; }); },
     "section DEMO.PRJ --record 2", "DecaThick is infinite"},
    {"speed no number", NoDamage, "curves DEMO.PRJ --speed abc --yes", "--speed: \"abc\""},
    {"speed nan", NoDamage, "curves DEMO.PRJ --speed nan --yes", "--speed: \"nan\""},
    {"speed zero", NoDamage, "spirals DEMO.PRJ --speed 0 --yes", "--speed: \"0\""},
    {"radius nan", NoDamage, "curves DEMO.PRJ --speed 80 --radius nan --yes", "--radius"},
    {"bad variant, section",
     [](const DemoCopy& d) { d.ChangeSection(2, [](SectionRecord& s) { s.Var = 999; }); },
     "section DEMO.PRJ --record 2 --json", "Section No. =( 2)"},
    {"missing project", NoDamage, "volumes NOWHERE.PRJ", "NOWHERE.PRJ"},
    {"existing quantity file, no --yes",
     [](const DemoCopy& d) { testing::WriteBytes(d / "DEMO.OUT", {1}); }, "volumes DEMO.PRJ",
     "--yes", 2},
    {"no record", NoDamage, "section DEMO.PRJ", "--record", 2},
    {"record 0", NoDamage, "section DEMO.PRJ --record 0", "--record", 2},
    {"record past the end", NoDamage, "section DEMO.PRJ --record 80", "--record", 2},
};

TEST(DamagedProject, RefusalsFailAndChangeNothing) {
  for (const RefusalCase& c : kRefusals) {
    const DemoCopy demo;
    c.damage(demo);
    const FolderSnapshot before = demo.Files();
    const ProgramRun run = demo.Calvora(c.command);
    EXPECT_EQ(run.status, c.status) << c.what << '\n' << run.err;
    EXPECT_NE(run.err.find(c.message), std::string::npos) << c.what << '\n' << run.err;
    EXPECT_EQ(run.out, "") << c.what;
    EXPECT_TRUE(demo.Files() == before) << c.what;
  }
}

struct SuccessCase {
  const char* what;
  std::function<void(const DemoCopy&)> damage;
  const char* command;
  const char* written;     // files the run adds or changes, each named on stdout
  const char* shown = "";  // part of stdout
};

const char* const kReports = "DEMO.OUT DEMO.SRF DEMO.VOL DEMO.TRF";

// A file the command does not need does not matter: each does all it was asked, exit 0.
const SuccessCase kSuccesses[] = {
    {"widen with a folder as alignment", [](const DemoCopy& d) { FolderFor(d, "DEMO.CRV"); },
     "widen DEMO.PRJ --distance 60 --yes", "DEMO.DAT"},
    {"volumes without the alignment", [](const DemoCopy& d) { fs::remove(d / "DEMO.CRV"); },
     "volumes DEMO.PRJ --yes", kReports},
    {"coordinates with a folder as data", [](const DemoCopy& d) { FolderFor(d, "DEMO.DAT"); },
     "coordinates DEMO.PRJ", "DEMO.XYZ"},
    {"curves with a folder as variants", [](const DemoCopy& d) { FolderFor(d, "DEMO.VAR"); },
     "curves DEMO.PRJ --speed 80", "DEMO_D.CRV"},
    {"elevations with a backup", NoDamage, "elevations DEMO.PRJ --yes", "DEMO.DAT DEMO.BAK"},
    {"volumes summary", NoDamage, "volumes DEMO.PRJ", kReports,
     "Sections                                79\n"},
    // The reports follow the quantity file's name; no RUN2.DPO: no haul report.
    {"volumes --out", NoDamage, "volumes DEMO.PRJ --out RUN2.OUT", "RUN2.OUT RUN2.SRF RUN2.VOL"},
    {"section as text", NoDamage, "section DEMO.PRJ --record 1", "", " m2  Fill "},
};

TEST(DamagedProject, CommandsOpenOnlyTheFilesTheyNeed) {
  for (const SuccessCase& c : kSuccesses) {
    const DemoCopy demo;
    c.damage(demo);
    FolderSnapshot expected = demo.Files();
    const ProgramRun run = demo.Calvora(c.command);
    EXPECT_EQ(run.status, 0) << c.what << '\n' << run.err;
    EXPECT_NE(run.out.find(c.shown), std::string::npos) << c.what << '\n' << run.out;
    std::istringstream written(c.written);
    for (std::string name; written >> name;) {
      expected[name] = ReadText(demo / name);
      EXPECT_NE(run.out.find(name + "\n"), std::string::npos) << c.what << '\n' << run.out;
    }
    // The same names (a changed data file included), nothing hidden left behind.
    FolderSnapshot after = demo.Files();
    for (auto& [name, bytes] : after) {
      bytes = expected.count(name) != 0 ? expected[name] : bytes;
    }
    EXPECT_TRUE(after == expected) << c.what;
  }
}

// Runs as another user where this test runs as root (who may write any file).
ProgramRun AsAnotherUser(const DemoCopy& demo, std::vector<std::string> args) {
  if (::geteuid() != 0) {
    return testing::RunProgram(testing::CalvoraExecutable(), args, demo.Path());
  }
  args.insert(args.begin(), {"--reuid=65534", "--regid=65534", "--clear-groups",
                             testing::CalvoraExecutable().string()});
  return testing::RunProgram("/usr/bin/setpriv", args, demo.Path());
}

TEST(DamagedProject, AReadOnlyProjectIsReadAndNeverWritten) {
  const DemoCopy demo;
  const fs::path out = fs::temp_directory_path() / ("calvora-ro-" + std::to_string(::getpid()));
  fs::create_directory(out);
  for (const auto& entry : fs::directory_iterator(demo.Path())) {
    ::chmod(entry.path().c_str(), 0444);
  }
  ::chmod(demo.Path().c_str(), 0555);
  ::chmod(out.c_str(), 0777);
  const FolderSnapshot before = demo.Files();
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"info", "DEMO.PRJ"},
        {"section", "DEMO.PRJ", "--record", "3"},
        {"volumes", "DEMO.PRJ", "--out", (out / "R.OUT").string()},
        {"dxf", "DEMO.PRJ", "--out", (out / "R_C.DXF").string()},
        {"print", "DEMO.PRJ", "--pdf", (out / "R.pdf").string(), "--sheets", "1"},
        {"coordinates", "DEMO.PRJ", "--out", (out / "R.XYZ").string()}}) {
    const ProgramRun run = AsAnotherUser(demo, args);
    EXPECT_EQ(run.status, 0) << args[0] << '\n' << run.err;
  }
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"widen", "DEMO.PRJ", "--distance", "60", "--yes"},
        {"elevations", "DEMO.PRJ", "--yes"}}) {
    const ProgramRun run = AsAnotherUser(demo, args);
    EXPECT_EQ(run.status, 1) << args[0];
    EXPECT_NE(run.err.find("DEMO.DAT is read-only"), std::string::npos) << run.err;
  }
  EXPECT_TRUE(demo.Files() == before);
  ::chmod(demo.Path().c_str(), 0755);
  fs::remove_all(out);
}

TEST(DamagedProject, OneWriterAtATimeAndTheOtherIsToldWho) {
  const DemoCopy demo;
  const int fd = ::open((demo / "DEMO.DAT").c_str(), O_RDWR);
  ASSERT_GE(fd, 0);
  // The lock is taken in a child process: a lock is per process.
  const pid_t holder = ::fork();
  if (holder == 0) {
    struct flock whole {};
    whole.l_type = F_WRLCK;
    whole.l_whence = SEEK_SET;
    ::fcntl(fd, F_SETLK, &whole);
    ::pause();
    ::_exit(0);
  }
  ::usleep(200000);
  const FolderSnapshot before = demo.Files();
  for (const char* command : {"widen DEMO.PRJ --distance 60 --yes", "elevations DEMO.PRJ --yes"}) {
    const ProgramRun run = demo.Calvora(command);
    EXPECT_EQ(run.status, 1) << command;
    EXPECT_NE(run.err.find("is being changed by another run (process " + std::to_string(holder)),
              std::string::npos)
        << run.err;
  }
  EXPECT_TRUE(demo.Files() == before);
  ::kill(holder, SIGKILL);
  ::waitpid(holder, nullptr, 0);
  ::close(fd);
}

TEST(DamagedProject, MessagesReachTheTerminalReadable) {
  const DemoCopy demo;
  demo.ChangeSection(2, [](SectionRecord& s) { s.PointCount[1] = 50; });  // a data error
  demo.ChangeSection(3, [](SectionRecord& s) { s.Meter = kNaN; });
  const ProgramRun dataError = demo.Calvora("section DEMO.PRJ --record 2");
  EXPECT_EQ(dataError.status, 1);
  EXPECT_NE(dataError.out.find("Data Error"), std::string::npos) << dataError.out;
  const ProgramRun noStation = demo.Calvora("section DEMO.PRJ --record 3");
  EXPECT_EQ(noStation.status, 1);
  EXPECT_NE(noStation.out.find("Section 3  station invalid\n"), std::string::npos);
  for (const ProgramRun& run : {dataError, noStation, demo.Calvora("volumes DEMO.PRJ")}) {
    EXPECT_EQ((run.out + run.err).find('\r'), std::string::npos) << run.out << run.err;
    EXPECT_EQ((run.out + run.err).find("nan"), std::string::npos) << run.out << run.err;
  }

  const ProgramRun bogus = demo.Calvora("bogus");
  EXPECT_EQ(bogus.status, 2);
  EXPECT_EQ(bogus.err,
            "calvora: there is no command \"bogus\"; calvora --help lists the commands.\n");
  // Without a display the GUI says how to run headless and ends with status 1, not by abort.
  for (const char* display : {"", ":99"}) {
    const ProgramRun gui = testing::RunProgram(
        "/usr/bin/env",
        {"-u", "WAYLAND_DISPLAY", "-u", "QT_QPA_PLATFORM", std::string("DISPLAY=") + display,
         testing::CalvoraExecutable().string()},
        demo.Path());
    EXPECT_EQ(gui.status, 1) << display;
    EXPECT_NE(gui.err.find("calvora: no display found"), std::string::npos) << gui.err;
    EXPECT_NE(gui.err.find("QT_QPA_PLATFORM=offscreen"), std::string::npos);
  }
}

// Starts calvora in the demo's folder and ends it by the signal after the delay (or waits for
// its end when it ends sooner).
void Interrupt(const DemoCopy& demo, const std::vector<std::string>& args, int signal,
               int delayMs) {
  const pid_t child = testing::StartProgram(testing::CalvoraExecutable(), args, demo.Path());
  ::usleep(static_cast<useconds_t>(delayMs) * 1000);
  ::kill(child, signal);
  ::waitpid(child, nullptr, 0);
}

TEST(DamagedProject, AnInterruptedRunLeavesNothingBehind) {
  const DemoCopy demo;
  {
    // A long road: the demo's sections 60 times over.
    const std::string sections = ReadText(demo / "DEMO.DAT");
    std::string longRoad;
    for (int i = 0; i < 60; ++i) {
      longRoad += sections;
    }
    testing::WriteBytes(demo / "DEMO.DAT",
                        std::vector<std::uint8_t>(longRoad.begin(), longRoad.end()));
  }
  const DemoCopy elevated;
  fs::copy_file(demo / "DEMO.DAT", elevated / "DEMO.DAT", fs::copy_options::overwrite_existing);
  ASSERT_EQ(elevated.Calvora("elevations DEMO.PRJ --yes").status, 0);
  const std::string oldData = ReadText(demo / "DEMO.DAT");
  const std::string newData = ReadText(elevated / "DEMO.DAT");
  const FolderSnapshot before = demo.Files();
  const struct {
    std::vector<std::string> args;
    int signal;
  } runs[] = {{{"dxf", "DEMO.PRJ"}, SIGINT},
              {{"volumes", "DEMO.PRJ"}, SIGTERM},
              {{"print", "DEMO.PRJ", "--pdf", "R.pdf"}, SIGINT}};
  for (const auto& run : runs) {
    for (const int delayMs : {100, 400}) {
      Interrupt(demo, run.args, run.signal, delayMs);
      // The project as it was, and no scratch file: only outputs the run completed are new.
      for (const auto& [name, bytes] : demo.Files()) {
        EXPECT_NE(name.front(), '.') << run.args[0] << " after " << delayMs << " ms";
        if (before.count(name) != 0) {
          EXPECT_TRUE(before.at(name) == bytes) << name;
        } else {
          fs::remove(demo / name);
        }
      }
    }
  }
  for (const int delayMs : {5, 20, 60}) {
    Interrupt(demo, {"elevations", "DEMO.PRJ", "--yes"}, SIGTERM, delayMs);
    const std::string data = ReadText(demo / "DEMO.DAT");
    EXPECT_TRUE(data == oldData || data == newData) << "elevations after " << delayMs << " ms";
    for (const auto& entry : fs::directory_iterator(demo.Path())) {
      EXPECT_NE(entry.path().filename().string().front(), '.') << entry.path();
    }
  }
}

}  // namespace
}  // namespace calvora
