// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "platform/executable_path.h"
#include "platform/open_document.h"

namespace {

TEST(ExecutablePath, IsThisTestProgram) {
    EXPECT_TRUE(ExecutablePath().is_absolute());
    EXPECT_EQ(ExecutablePath().filename(), "platform_tests");
    EXPECT_EQ(ExecutableDir(), ExecutablePath().parent_path());
    EXPECT_TRUE(std::filesystem::is_directory(ExecutableDir()));
}

TEST(OpenDocument, TellsUrlsFromPaths) {
    EXPECT_TRUE(IsUrl("https://example.org/tresolo"));
    EXPECT_TRUE(IsUrl("mailto:someone@example.org"));
    EXPECT_FALSE(IsUrl("C:/Tresolo/Tresolo-Hilfe.pdf"));
    EXPECT_FALSE(IsUrl("Tresolo-Hilfe.pdf"));
    EXPECT_FALSE(IsUrl("-x:y"));
    EXPECT_FALSE(IsUrl(""));
}

TEST(OpenDocument, MissingFileFailsWithoutStartingAnything) {
    EXPECT_FALSE(OpenDocument("/nonexistent/Tresolo-Hilfe.pdf"));
    EXPECT_FALSE(OpenDocument(""));
}

}  // namespace
