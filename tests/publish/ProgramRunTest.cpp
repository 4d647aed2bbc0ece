#include "publish/ProgramRun.h"

#include <gtest/gtest.h>

namespace brelvane::test {
namespace {

TEST(ProgramRun, GivesTheExitStatusAndTheArgumentsUnchanged) {
    EXPECT_EQ(RunProgram({"sh", "-c", "exit 3"}), 3);
    EXPECT_EQ(RunProgram({"sh", "-c", "test \"$1\" = 'a \"b\" c\\' && test \"$2\" = ''", "sh",
                          "a \"b\" c\\", ""}),
              0);
}

TEST(ProgramRun, TellsAProgramThatCannotStartFromOneThatFailed) {
    EXPECT_EQ(RunProgram({"brelvane-no-such-program"}), kProgramNotStarted);
    EXPECT_EQ(RunProgram({}), kProgramNotStarted);
    // A program that exits with 127 itself still ran.
    EXPECT_EQ(RunProgram({"sh", "-c", "exit 127"}), 127);
    EXPECT_EQ(RunProgram({"sh", "-c", "kill -9 $$"}), kProgramSignalled);
}

} // namespace
} // namespace brelvane::test
