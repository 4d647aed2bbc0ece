#include "storage/ErrorReport.h"

#include "StorageTestSupport.h"

#include <cerrno>
#include <cstring>
#include <gtest/gtest.h>

namespace brelvane {
namespace {

TEST(ErrorReport, NumberedTextSaysDamagedDataForErrorZero) {
    ErrorCollector errors;
    errno = 0;
    ReportError(1054);
    ReportFileError(1075, "/cd/AutoRunSource/Main.pg");
    ASSERT_EQ(errors.Messages().size(), 2u);
    // Error 0 is no system failure; its system text ("Success") would read as one.
    EXPECT_EQ(errors.Messages()[0], "The data is damaged or incomplete. (Error Code: 0/1054).");
    EXPECT_EQ(errors.Messages()[1], "\"/cd/AutoRunSource/Main.pg\", The data is damaged or "
                                    "incomplete. (Error Code: 0/1075).");
    EXPECT_EQ(errors.Messages()[1].find(std::strerror(0)), std::string::npos);
}

TEST(ErrorReport, NumberedTextCarriesTheLastSystemError) {
    ErrorCollector errors;
    errno = ENOSPC;
    ReportError(1077);
    ASSERT_EQ(errors.Messages().size(), 1u);
    EXPECT_EQ(errors.Messages()[0], std::string(std::strerror(ENOSPC)) +
                                        " (Error Code: " + std::to_string(ENOSPC) + "/1077).");
}

TEST(ErrorReport, FileTextQuotesThePathFirst) {
    ErrorCollector errors;
    errno = ENOENT;
    ReportFileError(1071, "/cd/AutoRunSource/AutoRun.src");
    ASSERT_EQ(errors.Messages().size(), 1u);
    EXPECT_EQ(errors.Messages()[0], "\"/cd/AutoRunSource/AutoRun.src\", " +
                                        std::string(std::strerror(ENOENT)) +
                                        " (Error Code: " + std::to_string(ENOENT) + "/1071).");
}

TEST(ErrorReport, ShowErrorPassesTheTextUnchanged) {
    ErrorCollector errors;
    ShowError("Cannot find \"x\".");
    EXPECT_EQ(errors.Messages(), std::vector<std::string>{"Cannot find \"x\"."});
}

TEST(ErrorReport, CollectorsNestAndRestoreTheSink) {
    ErrorCollector outer;
    {
        ErrorCollector inner;
        ShowError("inner");
        EXPECT_EQ(inner.Messages(), std::vector<std::string>{"inner"});
    }
    ShowError("outer");
    EXPECT_EQ(outer.Messages(), std::vector<std::string>{"outer"});
}

} // namespace
} // namespace brelvane
