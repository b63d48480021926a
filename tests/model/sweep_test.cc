#include "model/sweep.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <clocale>
#include <csignal>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "common/expect_failure.h"
#include "common/temp_dir.h"
#include "model/fakes.h"
#include "model/run_preparation.h"
#include "support/results_file.h"

namespace zelmora {
namespace {

using testing::FakeHost;
using testing::ReadFile;
using testing::TempDir;
using testing::WriteFile;

// The lines of a results file; fails the test if any line is not ended by CR LF.
std::vector<std::string> Lines(const std::string& content) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < content.size()) {
    const size_t end = content.find("\r\n", start);
    if (end == std::string::npos) {
      ADD_FAILURE() << "unterminated last line: " << content.substr(start);
      break;
    }
    lines.push_back(content.substr(start, end - start));
    EXPECT_EQ(lines.back().find('\n'), std::string::npos) << "a bare line feed";
    start = end + 2;
  }
  return lines;
}

std::vector<std::string> Fields(const std::string& line) {
  std::vector<std::string> fields;
  size_t start = 0;
  for (size_t comma; (comma = line.find(',', start)) != std::string::npos; start = comma + 1)
    fields.push_back(line.substr(start, comma - start));
  fields.push_back(line.substr(start));
  return fields;
}

// A column of the data lines (the header left out).
std::vector<std::string> Column(const std::vector<std::string>& lines, size_t index) {
  std::vector<std::string> column;
  for (size_t k = 1; k < lines.size(); ++k) column.push_back(Fields(lines[k]).at(index));
  return column;
}

class SweepTest : public ::testing::Test {
 protected:
  SweepTest() : host(params) {}

  // The Run button's path: the fields re-read, then the sweep.
  SweepEnding RunFromFields() {
    PrepareRun(params, host, ".");
    return Sweep();
  }
  // The viewer's path: the sweep on the params as they stand.
  SweepEnding Sweep() {
    SweepEnvironment env{params, host, canvas, random, seed, dir / kResultsFileName};
    return RunSweep(env);
  }
  std::vector<std::string> ResultLines() { return Lines(ReadFile(dir / kResultsFileName)); }

  SimParams params;
  FakeHost host;
  NullCanvas canvas;
  RandomGenerator random;
  uint64_t seed = 1;
  TempDir dir;
};

TEST_F(SweepTest, RunsTheDefaultGridAndWritesOneLinePerCombination) {
  EXPECT_EQ(RunFromFields(), SweepEnding::kFinished);
  const std::vector<std::string> lines = ResultLines();
  ASSERT_EQ(lines.size(), 26u);
  EXPECT_EQ(lines[0], kResultsHeader);
  EXPECT_EQ(lines[1].rfind("4,1,60,0,960,2500,960,7.37515365472063E-5,1,", 0), 0u) << lines[1];
  for (size_t k = 1; k < lines.size(); ++k) EXPECT_EQ(Fields(lines[k]).size(), 10u) << lines[k];

  const std::vector<std::string> soaks = {"960", "1020", "1140", "1320", "1560"};
  const std::vector<std::string> turns = {"0", "5", "15", "30", "50"};
  std::vector<std::string> expected_soaks, expected_turns;
  for (const std::string& soak : soaks) {
    for (const std::string& turn : turns) {
      expected_soaks.push_back(soak);
      expected_turns.push_back(turn);
    }
  }
  EXPECT_EQ(Column(lines, 6), expected_soaks);
  EXPECT_EQ(Column(lines, 4), expected_soaks);  // SwimCount: one leg a minute
  EXPECT_EQ(Column(lines, 3), expected_turns);

  ASSERT_EQ(host.run_labels.size(), 27u);
  EXPECT_EQ(host.run_labels[0], "0/25");
  EXPECT_EQ(host.run_labels[1], "24/25");
  EXPECT_EQ(host.run_labels[25], "0/25");
  EXPECT_EQ(host.run_labels[26], " Finished ");
  EXPECT_EQ(host.file_label, "shown");
  EXPECT_EQ(host.catch_texts.front(), "0    ");
  EXPECT_EQ(host.viewer, "hidden");  // tracks not displayed: hidden at the first soak step
  EXPECT_EQ(host.pumps, 2500);
  EXPECT_EQ(params.SoakMins, 1560);
  EXPECT_EQ(params.TurnRange, 50);
  EXPECT_EQ(params.Travel, 93600.0f);
}

TEST_F(SweepTest, TheSameSeedGivesTheSameFile) {
  RunFromFields();
  const std::string first = ReadFile(dir / kResultsFileName);
  RunFromFields();
  EXPECT_EQ(ReadFile(dir / kResultsFileName), first);
  seed = 2;
  RunFromFields();
  EXPECT_NE(ReadFile(dir / kResultsFileName), first);
}

TEST_F(SweepTest, NegativeStepsWriteTheHeaderOnly) {
  for (const auto& [steps, label] : {std::pair{"-1", "0/0"}, std::pair{"-3", "0/4"}}) {
    host.texts[ParamField::kSteps] = steps;
    host.run_labels.clear();
    EXPECT_EQ(RunFromFields(), SweepEnding::kFinished);
    EXPECT_EQ(ResultLines(), std::vector<std::string>{kResultsHeader});
    EXPECT_EQ(host.run_labels, (std::vector<std::string>{label, " Finished "}));
    EXPECT_EQ(host.file_label, "shown");
  }
}

TEST_F(SweepTest, ZeroStepsRunOneCombinationWithoutGrowth) {
  host.texts[ParamField::kSteps] = "0";
  host.texts[ParamField::kTurnRange] = "20";
  host.texts[ParamField::kNofTrials] = "3";
  RunFromFields();
  const std::vector<std::string> lines = ResultLines();
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(Fields(lines[1])[3], "20");
  EXPECT_EQ(Fields(lines[1])[6], "960");
  EXPECT_EQ(params.SoakMins, 960);
}

TEST_F(SweepTest, GrowsTheTurnRangeWithinEachSoakStepUpToTheCap) {
  host.texts[ParamField::kTurnRange] = "80";
  host.texts[ParamField::kNofTrials] = "1";
  RunFromFields();
  const std::vector<std::string> row = {"80", "85", "95", "100", "100"};
  std::vector<std::string> expected;
  for (int k = 0; k < 5; ++k) expected.insert(expected.end(), row.begin(), row.end());
  EXPECT_EQ(Column(ResultLines(), 3), expected);
}

TEST_F(SweepTest, AViewerStartedSweepContinuesFromTheGrownSoakTime) {
  host.texts[ParamField::kNofTrials] = "1";
  RunFromFields();
  EXPECT_EQ(params.SoakMins, 1560);
  Sweep();
  const std::vector<std::string> soaks = Column(ResultLines(), 6);
  EXPECT_EQ(soaks.front(), "1560");
  EXPECT_EQ(soaks[5], "1620");
  EXPECT_EQ(soaks[10], "1740");
  EXPECT_EQ(soaks[15], "1920");
  EXPECT_EQ(soaks[20], "2160");
  EXPECT_EQ(params.SoakMins, 2160);
}

TEST(ResultLine, WritesThePercentCaught) {
  SimParams p;
  p.Risk = 4;
  p.Safe = 1;
  p.TurnInt = 60;
  p.Length = 2500;
  p.SoakMins = 960;
  p.Density = 7.3751536547206342e-5f;
  p.Speed = 1;
  const struct {
    int32_t trials, caught;
    const char* percent;
  } cases[] = {{100, 3, "3"},
               {3, 1, "33.3333333333333"},
               {3, 2, "66.6666666666667"},
               {1000, 7, "0.7"},
               {100, 0, "0"},
               {-5, 0, "0"},
               {8, 8, "100"}};
  for (const auto& c : cases) {
    p.NofTrials = c.trials;
    EXPECT_EQ(ResultLine(p, 960, c.caught),
              std::string("4,1,60,0,960,2500,960,7.37515365472063E-5,1,") + c.percent);
  }
  p.NofTrials = 0;
  EXPECT_FAILURE(ResultLine(p, 960, 0), "Invalid floating point operation");
}

TEST_F(SweepTest, AStopKeepsTheCompletedLinesOnly) {
  host.texts[ParamField::kSteps] = "1";
  host.texts[ParamField::kNofTrials] = "2";
  const struct {
    int stop_at_pump;
    size_t lines;
    const char* label;
  } cases[] = {
      {1, 1, "0/4"},  // after the first trial: the header only, replacing the earlier file
      {5, 3, "2/4"},  // in the third combination
      {8, 4, "1/4"},  // during the last trial of the last combination
  };
  for (const auto& c : cases) {
    WriteFile(dir / kResultsFileName, "an earlier file\r\n");
    host.on_pump = [&](int pump) {
      if (pump == c.stop_at_pump) host.stop = 1;
    };
    host.pumps = 0;
    host.run_labels.clear();
    host.file_label = "unset";
    EXPECT_EQ(RunFromFields(), SweepEnding::kStopped);
    EXPECT_EQ(ResultLines().size(), c.lines) << c.stop_at_pump;
    EXPECT_EQ(host.run_labels.back(), c.label);
    EXPECT_EQ(host.file_label, "hidden");
    EXPECT_EQ(host.stop, 1);
  }
}

TEST_F(SweepTest, AStopRequestedBeforeTheSweepIsCleared) {
  host.texts[ParamField::kSteps] = "0";
  host.texts[ParamField::kNofTrials] = "2";
  host.stop = 1;
  EXPECT_EQ(RunFromFields(), SweepEnding::kFinished);
}

TEST_F(SweepTest, StartUpZerosFailAtTheFirstSoakStepAfterTheHeader) {
  // A viewer click before any field was set: every parameter is zero.
  EXPECT_FAILURE(Sweep(), "Invalid floating point operation");  // 0 / 0 turn count
  EXPECT_EQ(ResultLines(), std::vector<std::string>{kResultsHeader});
  EXPECT_EQ(host.catch_texts.back(), "0    ");
  EXPECT_EQ(host.run_labels.back(), "0/1");
  EXPECT_EQ(host.file_label, "hidden");
  EXPECT_EQ(host.viewer, "hidden");
}

TEST_F(SweepTest, EachFailureEndsTheSweepWithTheFileClosedAndKept) {
  const struct {
    const char* what;
    std::map<ParamField, std::string> texts;
    std::function<void(SimParams&)> after_preparation;
    const char* message;
    size_t lines;
  } cases[] = {
      {"turn interval 0 with a soak",
       {},
       [](SimParams& p) { p.TurnInt = 0; },
       "Floating point division by zero",
       1},
      {"a soak shorter than one interval",
       {{ParamField::kSoakHours, "0.01"}, {ParamField::kTurnInt, "28800"}},
       nullptr,
       "Floating point division by zero",
       1},
      {"no trials",
       {{ParamField::kNofTrials, "0"}},
       nullptr,
       "Invalid floating point operation",
       1},
      {"an empty dive cycle at the first crossing",
       {{ParamField::kRisk, "0"}, {ParamField::kSafe, "0"}, {ParamField::kNetLength, "25000"}},
       nullptr,
       "Division by zero",
       1},
      {"a soak time that outgrows what a sweep counts",
       {{ParamField::kNofTrials, "-1"}, {ParamField::kSteps, "1"}},
       [](SimParams& p) { p.SoakMins = 35791390; },
       "Soak time too long: a sweep counts at most 35791394 minutes, 2147483640 seconds",
       3},
  };
  for (const auto& c : cases) {
    SimParams fresh;
    params = fresh;
    FakeHost fresh_host(params);
    for (const auto& [field, text] : c.texts) fresh_host.texts[field] = text;
    PrepareRun(params, fresh_host, ".");
    if (c.after_preparation) c.after_preparation(params);
    SweepEnvironment env{params, fresh_host, canvas, random, seed, dir / kResultsFileName};
    EXPECT_FAILURE(RunSweep(env), c.message);
    EXPECT_EQ(ResultLines().size(), c.lines) << c.what;
    // The file was closed: another writer can take it at once.
    EXPECT_NO_THROW(ResultsFile(dir / kResultsFileName)) << c.what;
  }
}

TEST_F(SweepTest, RefusesTooManyCombinationsBeforeTouchingTheFile) {
  WriteFile(dir / kResultsFileName, "kept\r\n");
  host.texts[ParamField::kSteps] = "46340";  // 46341² = 2147488281 > 2^31 - 1
  EXPECT_FAILURE(RunFromFields(),
                 "Too many steps: (Steps + 1) x (Steps + 1) combinations must stay within "
                 "2147483647");
  EXPECT_EQ(ReadFile(dir / kResultsFileName), "kept\r\n");
}

TEST_F(SweepTest, ASecondSweepDuringTheFirstIsRefusedAndTheFirstFileStaysWhole) {
  host.texts[ParamField::kSteps] = "1";
  host.texts[ParamField::kNofTrials] = "2";
  std::string second_failure;
  host.on_pump = [&](int pump) {
    if (pump != 3) return;
    // The Run button pressed between two trials: its sweep resets the displays and fails at
    // the file; the error box is shown and the first sweep goes on.
    try {
      RunFromFields();
    } catch (const Failure& failure) {
      second_failure = failure.what();
    }
  };
  EXPECT_EQ(RunFromFields(), SweepEnding::kFinished);
  EXPECT_EQ(second_failure, "I/O error 32");
  const std::vector<std::string> lines = ResultLines();
  EXPECT_EQ(lines.size(), 5u);
  EXPECT_EQ(lines[0], kResultsHeader);
}

TEST_F(SweepTest, AFileHeldByAnotherProcessIsRefusedUntouched) {
  const std::filesystem::path path = dir / kResultsFileName;
  int ready[2], done[2];
  ASSERT_EQ(pipe(ready), 0);
  ASSERT_EQ(pipe(done), 0);
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {  // the other writer: holds the file until the parent says so
    WriteFile(path, "held by another writer\r\n");
    const int fd = open(path.c_str(), O_WRONLY);
    flock(fd, LOCK_EX);
    char c = 'r';
    (void)!write(ready[1], &c, 1);
    (void)!read(done[0], &c, 1);
    _exit(0);
  }
  char c;
  ASSERT_EQ(read(ready[0], &c, 1), 1);
  EXPECT_FAILURE(RunFromFields(), "I/O error 32");
  (void)!write(done[1], &c, 1);
  int status = 0;
  waitpid(child, &status, 0);
  EXPECT_EQ(ReadFile(path), "held by another writer\r\n");
}

// Runs body in a child process and expects it to exit 0; body reports a failed check by exiting
// with another code, so a test can change process-wide limits safely.
void InChild(const std::function<int()>& body) {
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) _exit(body());
  int status = 0;
  waitpid(child, &status, 0);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
}

int OpenDescriptors() {
  int count = 0;
  for (const auto& entry : std::filesystem::directory_iterator("/proc/self/fd")) {
    (void)entry;
    ++count;
  }
  return count;
}

TEST_F(SweepTest, AWriteBeyondTheFileSizeLimitFailsWithTheFileClosed) {
  InChild([this] {
    std::signal(SIGXFSZ, SIG_IGN);  // report the write's error instead of being killed
    const rlimit limit{200, 200};
    setrlimit(RLIMIT_FSIZE, &limit);
    host.texts[ParamField::kSteps] = "9";
    host.texts[ParamField::kNofTrials] = "-1";
    const int before = OpenDescriptors();
    std::string message;
    try {
      RunFromFields();
    } catch (const Failure& failure) {
      message = failure.what();
    }
    if (message != "I/O error 112") return 1;
    if (OpenDescriptors() != before) return 2;
    return 0;
  });
}

TEST_F(SweepTest, CreatingTheFileFailsWithTheSystemsReason) {
  const struct {
    std::filesystem::path path;
    const char* message;
  } cases[] = {
      {dir / "missing" / kResultsFileName, "Invalid filename"},
      {dir.Path(), "File access denied"},  // a folder where the file should be
  };
  for (const auto& c : cases) {
    SweepEnvironment env{params, host, canvas, random, seed, c.path};
    PrepareRun(params, host, ".");
    EXPECT_FAILURE(RunSweep(env), c.message);
    EXPECT_EQ(host.run_labels.back(), "0/25");
    EXPECT_EQ(host.stop, 0);
  }
}

TEST_F(SweepTest, TheFileUsesAPointWhateverTheLocale) {
  if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) GTEST_SKIP() << "no comma locale installed";
  host.texts[ParamField::kSteps] = "0";
  host.texts[ParamField::kNofTrials] = "3";
  RunFromFields();
  std::setlocale(LC_ALL, "C");
  const std::vector<std::string> lines = ResultLines();
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(Fields(lines[1]).size(), 10u);
  EXPECT_EQ(Fields(lines[1])[7], "7.37515365472063E-5");
}

}  // namespace
}  // namespace zelmora
