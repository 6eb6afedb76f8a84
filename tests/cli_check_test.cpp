#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

struct RunResult {
  std::string output;
  int exitCode = -1;
};

// Runs `kwarrel-cli ARGS` through the shell; `redirect` picks which stream is read.
RunResult runCli(const std::string& args, const std::string& redirect) {
  RunResult result;
  const std::string command =
      std::string("\"") + std::getenv("KWARREL_CLI") + "\" " + args + " " + redirect;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return result;
  char buffer[256];
  size_t got = 0;
  while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) result.output.append(buffer, got);
  const int status = pclose(pipe);
  if (WIFEXITED(status)) result.exitCode = WEXITSTATUS(status);
  return result;
}

class CliCheck : public ::testing::Test {
 protected:
  void SetUp() override {
    if (std::getenv("KWARREL_CLI") == nullptr) GTEST_SKIP() << "KWARREL_CLI is not set";
  }
};

TEST_F(CliCheck, AnswersEveryWordAndExitsByTheWorst) {
  const RunResult listed = runCli("check huis Zee WOORDENLIJST", "2>/dev/null");
  EXPECT_EQ(listed.exitCode, 0);
  EXPECT_EQ(listed.output,
            "HUIS: Woord staat in de woordenlijst\n"
            "ZEE: Woord staat in de woordenlijst\n"
            "WOORDENLIJST: Woord staat in de woordenlijst\n");

  const RunResult mixed = runCli("check huis huiz 'h-s' a", "2>/dev/null");
  EXPECT_EQ(mixed.exitCode, 1);
  EXPECT_EQ(mixed.output,
            "HUIS: Woord staat in de woordenlijst\n"
            "HUIZ: Woord staat NIET in de woordenlijst\n"
            "H-S: Woord staat NIET in de woordenlijst\n"
            "A: Woord staat NIET in de woordenlijst\n");
}

TEST_F(CliCheck, WithoutWordsPrintsUsage) {
  const RunResult out = runCli("check", "2>/dev/null");
  EXPECT_EQ(out.exitCode, 2);
  EXPECT_EQ(out.output, "");
  const RunResult err = runCli("check", "2>&1 >/dev/null");
  EXPECT_NE(err.output.find("Gebruik: kwarrel-cli check WOORD"), std::string::npos) << err.output;
}

}  // namespace
