#include "app/RunMode.h"

#include <gtest/gtest.h>

namespace brelvane {
namespace {

TEST(RunMode, DesignerNameInAnyCaseWithOrWithoutExtension) {
    for (const char* name :
         {"Brelvane", "Brelvane.exe", "BRELVANE.EXE", "brelvane", "bReLvAnE.ExE"})
        EXPECT_TRUE(IsDesignerName(name)) << name;
    for (const char* name : {"autorun.exe", "autorun", "Brelvane2.exe", "Brelvane.exe.bak", "",
                             "Brelvane.ex", "My Brelvane.exe"})
        EXPECT_FALSE(IsDesignerName(name)) << name;
}

TEST(RunMode, InstallationRunOnlyForExactFirstArgument) {
    char program[] = "Brelvane";
    char upper[] = "-I";
    char lower[] = "-i";
    char other[] = "x";
    char* exact[] = {program, upper};
    char* lowerCase[] = {program, lower};
    char* second[] = {program, other, upper};
    char* none[] = {program};
    EXPECT_TRUE(IsInstallationRun(2, exact));
    EXPECT_FALSE(IsInstallationRun(2, lowerCase));
    EXPECT_FALSE(IsInstallationRun(3, second));
    EXPECT_FALSE(IsInstallationRun(1, none));
}

} // namespace
} // namespace brelvane
