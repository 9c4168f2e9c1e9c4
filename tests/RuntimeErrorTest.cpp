#include <gtest/gtest.h>

#include "platform/RuntimeError.h"

using namespace mirewalk;

TEST(RuntimeError, ReportNamesNumberTextAndFile)
{
    EXPECT_EQ(fileNotFoundError("/games/Maps/M2.jpg").report(),
              "Run-time error '53':\n\nFile not found: /games/Maps/M2.jpg");
    EXPECT_EQ(overflowError().report(), "Run-time error '6':\n\nOverflow");
}
