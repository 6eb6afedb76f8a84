#include <gtest/gtest.h>

#include <string>

#include "cli_runner.h"

namespace {

using kwarrel::cli_runner::Capture;
using kwarrel::cli_runner::runCli;
using kwarrel::cli_runner::RunResult;

// For the skip when KWARREL_CLI is unset; these runs need no folder.
using CliCheck = kwarrel::cli_runner::CliTest;

TEST_F(CliCheck, AnswersEveryWordAndExitsByTheWorst) {
  const RunResult listed = runCli("check huis Zee WOORDENLIJST", Capture::Stdout);
  EXPECT_EQ(listed.exitCode, 0);
  EXPECT_EQ(listed.output,
            "Opgezocht in: ingebouwde woordenlijst\n"
            "HUIS: Woord staat in de woordenlijst\n"
            "ZEE: Woord staat in de woordenlijst\n"
            "WOORDENLIJST: Woord staat in de woordenlijst\n");

  const RunResult mixed = runCli("check huis huiz 'h-s' a", Capture::Stdout);
  EXPECT_EQ(mixed.exitCode, 1);
  EXPECT_EQ(mixed.output,
            "Opgezocht in: ingebouwde woordenlijst\n"
            "HUIS: Woord staat in de woordenlijst\n"
            "HUIZ: Woord staat NIET in de woordenlijst\n"
            "H-S: Woord staat NIET in de woordenlijst\n"
            "A: Woord staat NIET in de woordenlijst\n");
}

TEST_F(CliCheck, WithoutWordsPrintsUsage) {
  const RunResult out = runCli("check", Capture::Stdout);
  EXPECT_EQ(out.exitCode, 2);
  EXPECT_EQ(out.output, "");
  const RunResult err = runCli("check", Capture::Stderr);
  EXPECT_NE(err.output.find("Gebruik: kwarrel-cli check WOORD"), std::string::npos) << err.output;
}

}  // namespace
