// zelmora-sweep end to end: the real program in a scratch folder.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "common/temp_dir.h"

namespace zelmora {
namespace {

using testing::ReadFile;
using testing::TempDir;
using testing::WriteFile;

struct Outcome {
  int exit_code = -1;
  std::string out, err;
};

// Starts zelmora-sweep with args in folder, standard output and error into files there.
pid_t Start(const TempDir& folder, const std::vector<std::string>& args) {
  const pid_t child = fork();
  if (child != 0) return child;
  std::filesystem::current_path(folder.Path());
  freopen("stdout.txt", "w", stdout);
  freopen("stderr.txt", "w", stderr);
  std::vector<char*> argv = {const_cast<char*>(ZELMORA_SWEEP_BINARY)};
  for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
  argv.push_back(nullptr);
  execv(argv[0], argv.data());
  _exit(127);
}

Outcome Finish(const TempDir& folder, pid_t child) {
  int status = 0;
  waitpid(child, &status, 0);
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadFile(folder / "stdout.txt"),
          ReadFile(folder / "stderr.txt")};
}

Outcome RunSweep(const TempDir& folder, const std::vector<std::string>& args) {
  return Finish(folder, Start(folder, args));
}

size_t CountLines(const std::string& content) {
  size_t lines = 0;
  for (size_t at = 0; (at = content.find("\r\n", at)) != std::string::npos; at += 2) ++lines;
  return lines;
}

TEST(ZelmoraSweep, RunsTheDefaultSweepRepeatablyWithASeed) {
  TempDir folder;
  const Outcome first = RunSweep(folder, {"--seed", "7"});
  EXPECT_EQ(first.exit_code, 0) << first.err;
  const std::string results = ReadFile(folder / "BC.txt");
  EXPECT_EQ(results.rfind("Risk,Safe,TurnInt,TurnRange,SwimCount,Length,SoakMins,Density,"
                          "Speed,%caught\r\n4,1,60,0,960,2500,960,7.37515365472063E-5,1,",
                          0),
            0u);
  EXPECT_EQ(CountLines(results), 26u);
  EXPECT_NE(first.out.find("Finished: 25 of 25 combinations, 2500 trials"), std::string::npos)
      << first.out;
  EXPECT_NE(first.out.find("seed 7"), std::string::npos);
  EXPECT_NE(first.err.find("Travel to net 58 km"), std::string::npos) << first.err;

  EXPECT_EQ(RunSweep(folder, {"--seed", "7"}).exit_code, 0);
  EXPECT_EQ(ReadFile(folder / "BC.txt"), results);
}

TEST(ZelmoraSweep, TakesEachFieldThroughItsRule) {
  TempDir folder;
  const Outcome outcome =
      RunSweep(folder, {"--seed", "1", "--steps", "0", "--trials", "007", "--turn-interval",
                        "99999", "--net-length", "50", "--risk", "101", "--speed", "0",
                        "--algorithm", "directional", "--bias-direction", "360"});
  EXPECT_EQ(outcome.exit_code, 0) << outcome.err;
  // Risk 100, TurnInt 28800 (two legs in the 960-minute soak), Length 100, speed 0.01.
  const std::string results = ReadFile(folder / "BC.txt");
  EXPECT_NE(results.find("\r\n100,1,28800,0,2,100,960,"), std::string::npos) << results;
}

TEST(ZelmoraSweep, ReportsAFailureWithItsFullStopAndExitsOne) {
  TempDir folder;
  const Outcome outcome = RunSweep(folder, {"--soak-hours", "0.005"});
  EXPECT_EQ(outcome.exit_code, 1);
  EXPECT_EQ(outcome.err, "zelmora-sweep: Floating point division by zero.\n");
  EXPECT_FALSE(std::filesystem::exists(folder / "BC.txt"));  // no sweep started

  const Outcome no_trials = RunSweep(folder, {"--trials", "0"});
  EXPECT_EQ(no_trials.exit_code, 1);
  EXPECT_NE(no_trials.err.find("Invalid floating point operation."), std::string::npos);
  EXPECT_EQ(CountLines(ReadFile(folder / "BC.txt")), 1u);  // the header, closed
}

TEST(ZelmoraSweep, RefusesAFileThatAnotherSweepHolds) {
  TempDir folder;
  const pid_t first = Start(folder, {"--trials", "100000000", "--seed", "3"});
  while (!std::filesystem::exists(folder / "BC.txt"))
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  std::this_thread::sleep_for(std::chrono::milliseconds(100));

  TempDir second_folder;  // a second sweep, started in the same folder as the first
  const pid_t second = fork();
  if (second == 0) {
    std::filesystem::current_path(folder.Path());
    freopen((second_folder / "stderr.txt").c_str(), "w", stderr);
    freopen("/dev/null", "w", stdout);
    execl(ZELMORA_SWEEP_BINARY, ZELMORA_SWEEP_BINARY, nullptr);
    _exit(127);
  }
  int status = 0;
  waitpid(second, &status, 0);
  EXPECT_EQ(WEXITSTATUS(status), 1);
  const std::string refused = ReadFile(second_folder / "stderr.txt");
  EXPECT_NE(refused.find("\nzelmora-sweep: I/O error 32.\n"), std::string::npos) << refused;

  kill(first, SIGINT);
  const Outcome stopped = Finish(folder, first);
  EXPECT_EQ(stopped.exit_code, 130) << stopped.err;
  EXPECT_EQ(stopped.out.rfind("Stopped: 0 of 25 combinations", 0), 0u) << stopped.out;
  // The first sweep's file is whole: its header, and no line for the interrupted combination.
  EXPECT_EQ(ReadFile(folder / "BC.txt"),
            "Risk,Safe,TurnInt,TurnRange,SwimCount,Length,SoakMins,Density,Speed,%caught\r\n");
}

TEST(ZelmoraSweep, StopsOnSigtermKeepingCompletedLines) {
  TempDir folder;
  // Cheap combinations first (one trial each), so several lines are complete before the stop.
  const pid_t child = Start(folder, {"--trials", "1", "--steps", "3000", "--soak-hours", "0.1"});
  // The file appears when the sweep starts, after the stop signals are handled.
  while (!std::filesystem::exists(folder / "BC.txt"))
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  std::this_thread::sleep_for(std::chrono::milliseconds(200));
  kill(child, SIGTERM);
  const Outcome stopped = Finish(folder, child);
  EXPECT_EQ(stopped.exit_code, 130) << stopped.err;
  const std::string results = ReadFile(folder / "BC.txt");
  ASSERT_GE(CountLines(results), 1u);
  EXPECT_EQ(results.substr(results.size() - 2), "\r\n");  // ends with a whole line
}

TEST(ZelmoraSweep, ListsEveryOptionWithItsDefault) {
  TempDir folder;
  const Outcome help = RunSweep(folder, {"--help"});
  EXPECT_EQ(help.exit_code, 0);
  for (const char* option :
       {"--speed TEXT=1", "--turn-interval TEXT=60", "--bias-direction TEXT=45",
        "--turn-percent TEXT=0", "--risk TEXT=4", "--safe TEXT=1", "--net-length TEXT=2500",
        "--soak-hours TEXT=16", "--trials TEXT=100", "--steps TEXT=4", "--algorithm", "--seed"})
    EXPECT_NE(help.out.find(option), std::string::npos) << option;
  EXPECT_EQ(RunSweep(folder, {"--algorithm", "sideways"}).exit_code, 2);
}

}  // namespace
}  // namespace zelmora
