// SPDX-License-Identifier: GPL-3.0-or-later
// A history that cannot be kept: a damaged file, one of a newer program, a read-only folder
// and a disk that fills up while playing. Each is said once in a German message box; the
// game goes on and counts right, and a damaged file is moved aside, never deleted.
#include <sys/mount.h>

#include "statistics/history_schema.h"
#include "statistics/sqlite_db.h"
#include "tests/statistics/statistics_test_helpers.h"

namespace {

using W = Walzenbild;

struct Session : PlayedGame {
    Session() { KnownPlayer(*f); }
    // A deposit and two lost games; every message box is answered at once.
    void Play() {
        auto shown = h().App().OnMessageBox;
        h().App().OnMessageBox = [this, shown](const std::string& caption, const std::string& text) {
            shown(caption, text);
            Key(VK_RETURN, 10);
        };
        MenueDlg->Button_5_EuroClick(nullptr);
        PlayManualGame(*this, W::W1, W::W3, W::W5);
        PlayManualGame(*this, W::W1, W::W3, W::W5);
    }
    const std::vector<std::pair<std::string, std::string>>& Boxes() { return h().MessageBoxes(); }
    void ExpectPlayWentOn() {
        EXPECT_EQ(Credit(), "4,60");
        EXPECT_EQ(Recorder(*f).Session().Games(), 2);
        EXPECT_EQ(Recorder(*f).Session().depositCents, 500);
    }
};

TEST(RecordingFailure, DamagedFileIsMovedAsideAndSaidOnce) {
    Session s;
    const std::string damaged(5000, '\x5a');
    WriteBytes(HistoryIn(s), damaged);
    s.Play();
    ASSERT_EQ(s.Boxes().size(), 1u);
    EXPECT_EQ(s.Boxes()[0].second, "Die Spielstatistik " + HistoryIn(s).string() +
                                       " ist beschädigt. Sie wurde nach "
                                       "Tresolo-Statistik-beschaedigt-2026-12-06-223900.sqlite verschoben; beim nächsten "
                                       "Start beginnt eine neue. Tresolo spielt ohne Aufzeichnung weiter.");
    s.ExpectPlayWentOn();
    EXPECT_FALSE(std::filesystem::exists(HistoryIn(s)));
    EXPECT_EQ(ReadBytes(s.folder / "Tresolo-Statistik-beschaedigt-2026-12-06-223900.sqlite"), damaged);
    EXPECT_FALSE(Recorder(*s.f).AllTime());
    // The next start begins a new history.
    s.Stop();
    s.Start();
    s.f = Form1;
    EXPECT_EQ(Recorder(*Form1).AllTime()->Games(), 0);
}

TEST(RecordingFailure, NewerFileStaysAsItIs) {
    Session s;
    {
        SqlDatabase db(HistoryIn(s));
        db.Exec("CREATE TABLE later(x); PRAGMA user_version = 7");
    }
    const std::string before = ReadBytes(HistoryIn(s));
    s.Play();
    ASSERT_EQ(s.Boxes().size(), 1u);
    EXPECT_NE(s.Boxes()[0].second.find("stammt von einer neueren Tresolo-Version und bleibt, wie sie ist."),
              std::string::npos);
    s.ExpectPlayWentOn();
    s.Stop();
    EXPECT_EQ(ReadBytes(HistoryIn(s)), before);
}

// A small file system of its own over the working folder: root may mount one, others skip.
class OwnDisk : public ::testing::Test {
protected:
    void SetUp() override {
        if (::mount("tmpfs", s.folder.path().c_str(), "tmpfs", 0, "size=512k") != 0)
            GTEST_SKIP() << "mounting a tmpfs needs root";
        mounted_ = true;
        std::filesystem::current_path(s.folder.path());
    }
    void TearDown() override {
        if (!mounted_) return;
        s.Stop();
        std::filesystem::current_path("/");
        ::umount2(s.folder.path().c_str(), MNT_DETACH);
    }
    void ReadOnly() { ASSERT_EQ(::mount("tmpfs", s.folder.path().c_str(), "tmpfs", MS_REMOUNT | MS_RDONLY, nullptr), 0); }
    void Fill() {
        std::ofstream filler(s.folder / "filler", std::ios::binary);
        const std::string block(4096, '\0');
        while (filler.write(block.data(), block.size()) && filler.flush()) {
        }
    }
    Session s;
    bool mounted_ = false;
};

TEST_F(OwnDisk, ReadOnlyFolderIsSaidOnce) {
    ReadOnly();
    s.Play();
    ASSERT_EQ(s.Boxes().size(), 1u);
    EXPECT_NE(s.Boxes()[0].second.find("Die Spielstatistik " + HistoryIn(s).string() + " kann nicht geschrieben werden: "),
              std::string::npos);
    s.ExpectPlayWentOn();
    EXPECT_FALSE(std::filesystem::exists(HistoryIn(s)));
}

TEST_F(OwnDisk, DiskFillingUpWhilePlayingIsSaidOnce) {
    s.f->Program.SpielerName = "Max";
    MenueDlg->Button_2_EuroClick(nullptr);  // the history is open and written
    ASSERT_TRUE(s.Boxes().empty());
    Fill();
    s.Play();
    ASSERT_EQ(s.Boxes().size(), 1u);
    EXPECT_NE(s.Boxes()[0].second.find("kann nicht geschrieben werden: Der Datenträger ist voll. Tresolo spielt ohne Aufzeichnung weiter."),
              std::string::npos);
    EXPECT_EQ(s.Credit(), "6,60");
    EXPECT_EQ(Recorder(*s.f).Session().Games(), 2);
    // What was written before the disk filled is still there and whole.
    s.Stop();
    std::filesystem::remove(s.folder / "filler");
    SqlDatabase db(HistoryIn(s));
    EXPECT_EQ(db.Single("SELECT SUM(cents) FROM deposits"), 200);
    EXPECT_EQ(ReadTotals(db).depositCents, 200);
}

}  // namespace
