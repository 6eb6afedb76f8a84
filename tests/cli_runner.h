// Runs kwarrel-cli as a child process for the end-to-end tests, and the fixture
// those tests share: skipped when KWARREL_CLI is unset, with a fresh folder.
#pragma once

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace kwarrel::cli_runner {

struct RunResult {
  std::string output;
  int exitCode = -1;
};

// Which of the program's streams lands in RunResult::output; the rest is dropped.
enum class Capture { Stdout, Stderr, Both, Neither };

// One shell word, whatever the text holds: single quotes, an inner ' as '\''.
inline std::string shellQuoted(const std::string& text) {
  std::string quoted = "'";
  for (const char c : text) {
    if (c == '\'') {
      quoted += "'\\''";
    } else {
      quoted += c;
    }
  }
  return quoted + "'";
}

inline const char* redirection(Capture capture) {
  switch (capture) {
    case Capture::Stdout: return "2>/dev/null";
    case Capture::Stderr: return "2>&1 >/dev/null";
    case Capture::Both: return "2>&1";
    case Capture::Neither: return ">/dev/null 2>&1";
  }
  return "";
}

// Runs `kwarrel-cli ARGS` through the shell, in `folder` when one is given. ARGS
// is shell text as written; the caller quotes what needs it.
inline RunResult runCli(const std::string& args, Capture capture,
                        const std::filesystem::path& folder = {}) {
  RunResult result;
  const char* program = std::getenv("KWARREL_CLI");
  if (program == nullptr) return result;
  std::string command;
  if (!folder.empty()) command = "cd " + shellQuoted(folder.string()) + " && ";
  command += shellQuoted(program) + " " + args + " " + redirection(capture);
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return result;
  char buffer[256];
  size_t got = 0;
  while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) result.output.append(buffer, got);
  const int status = pclose(pipe);
  if (WIFEXITED(status)) result.exitCode = WEXITSTATUS(status);
  return result;
}

// A derived SetUp calls CliTest::SetUp() first and returns when IsSkipped().
class CliTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (std::getenv("KWARREL_CLI") == nullptr) GTEST_SKIP() << "KWARREL_CLI is not set";
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    folder = std::filesystem::current_path() /
             (std::string(test->test_suite_name()) + "_" + test->name());
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
  }
  void TearDown() override {
    if (folder.empty()) return;
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
  }

  std::string file(const std::string& name) const { return (folder / name).string(); }
  bool exists(const std::string& name) const { return std::filesystem::exists(folder / name); }
  void write(const std::string& name, const std::string& text) const {
    std::ofstream(folder / name, std::ios::binary) << text;
  }
  std::string read(const std::string& name) const {
    std::ifstream in(folder / name, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }

  // Runs kwarrel-cli with the test's folder as the current directory.
  RunResult runHere(const std::string& args, Capture capture) const {
    return runCli(args, capture, folder);
  }

  std::filesystem::path folder;
};

}  // namespace kwarrel::cli_runner
