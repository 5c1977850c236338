// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <chrono>
#include <cstdlib>
#include <future>
#include <memory>

#include "platform/executable_path.h"
#include "platform/open_document.h"
#include "tests/support/temp_folder.h"

namespace {

// PATH holds only a folder with a stand-in xdg-open that ends with `exitCode` (none when
// negative), for the life of the object.
class FakeOpener {
public:
    explicit FakeOpener(int exitCode) : path_(std::getenv("PATH")) {
        if (exitCode >= 0) {
            WriteBytes(bin_.path() / "xdg-open", "#!/bin/sh\nexit " + std::to_string(exitCode) + "\n");
            chmod((bin_.path() / "xdg-open").c_str(), 0755);
        }
        setenv("PATH", bin_.path().c_str(), 1);
    }
    ~FakeOpener() { setenv("PATH", path_.c_str(), 1); }

private:
    TempFolder bin_;
    std::string path_;
};

// The opener's verdict that no program shows the file (xdg-open's 3 and 4) comes back through
// the call; without any opener the document fails at once.
TEST(OpenDocument, OpenerWithoutAViewerIsToldBack) {
    TempFolder folder;
    WriteBytes(folder.path() / "Hilfe.pdf", "%PDF-1.4");
    const std::string file = (folder.path() / "Hilfe.pdf").string();
    for (int code : {3, 4}) {
        FakeOpener opener(code);
        auto told = std::make_shared<std::promise<void>>();
        ASSERT_TRUE(OpenDocument(file, [told] { told->set_value(); }));
        EXPECT_EQ(told->get_future().wait_for(std::chrono::seconds(30)), std::future_status::ready) << code;
    }
    FakeOpener none(-1);
    EXPECT_FALSE(OpenDocument(file, [] { ADD_FAILURE() << "no opener ran"; }));
}

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
