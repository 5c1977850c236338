// SPDX-License-Identifier: GPL-3.0-or-later
// Where an installed program finds its data, and where the player's files go.
#include <gtest/gtest.h>

#include "platform/documents_folder.h"
#include "platform/install_layout.h"
#include "tests/support/temp_folder.h"

namespace {

TEST(InstallLayout, DataFolderLiesBesideTheProgramsFolderOnlyInAnInstall) {
    TempFolder prefix;
    std::filesystem::create_directories(prefix / "games");
    EXPECT_EQ(InstalledDataDirFor(prefix / "games"), std::filesystem::path());  // a build folder
    std::filesystem::create_directories(prefix / "games" / TRESOLO_DATA_FROM_PROGRAM);
    EXPECT_EQ(InstalledDataDirFor(prefix / "games"), prefix / "share" / "games" / "tresolo");
    EXPECT_EQ(InstalledDataDirFor({}), std::filesystem::path());
}

TEST(DocumentsFolder, NamedByTheUserDirsFileElseDocumentsInTheHomeFolder) {
    const std::filesystem::path home = "/home/eva";
    EXPECT_EQ(DocumentsDirFrom("# written by xdg-user-dirs-update\n"
                               "XDG_DESKTOP_DIR=\"$HOME/Schreibtisch\"\n"
                               "XDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"\n",
                               home),
              "/home/eva/Dokumente");
    EXPECT_EQ(DocumentsDirFrom("XDG_DOCUMENTS_DIR=\"/daten/Meine\\\" Briefe\"\n", home), "/daten/Meine\" Briefe");
    EXPECT_EQ(DocumentsDirFrom("XDG_DOCUMENTS_DIR=\"$HOME\"\n", home), "/home/eva");  // switched off
    EXPECT_EQ(DocumentsDirFrom("XDG_DOCUMENTS_DIR=\"Dokumente\"\n", home), "/home/eva/Documents");
    EXPECT_EQ(DocumentsDirFrom("", home), "/home/eva/Documents");
    EXPECT_EQ(DocumentsDirFrom("", {}), std::filesystem::path());
}

TEST(DocumentsFolder, TakenWhenTheWorkingFolderIsTheRootOrCannotBeWritten) {
    EXPECT_TRUE(WorkingFolderTakesFiles("/home/eva", true));
    EXPECT_FALSE(WorkingFolderTakesFiles("/", true));
    EXPECT_FALSE(WorkingFolderTakesFiles("/usr/games", false));
    EXPECT_FALSE(WorkingFolderTakesFiles({}, true));  // removed while the program ran
}

}  // namespace
