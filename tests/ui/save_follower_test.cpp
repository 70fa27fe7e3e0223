// Following a folder: which save is newest, when it is whole, what a reload keeps.
#include <gtest/gtest.h>

#include <filesystem>

#include "ui/form_fixture.h"
#include "ui/save_follower.h"

namespace varnak {
namespace {

namespace fs = std::filesystem;

struct Folder {
  fs::path Path;
  explicit Folder(const std::string& name) : Path(fixture::TempPath(name)) {
    fs::remove_all(Path);
    fs::create_directories(Path);
  }
  ~Folder() { fs::remove_all(Path); }
  // Writes `bytes` as `name`, `age` seconds older than now, so that the order of the
  // saves does not hang on the clock's resolution.
  std::string Write(const std::string& name, const std::vector<uint8_t>& bytes, int age = 0) {
    const std::string file = (Path / name).string();
    fixture::WriteFile(file, bytes);
    fs::last_write_time(file, fs::file_time_type::clock::now() - std::chrono::seconds(age));
    return file;
  }
};

std::vector<uint8_t> Save(int32_t score = 100) {
  fixture::SaveFixture s = fixture::SaveFixture::Basic();
  s.Players[0].Tail.Score = {{0, score}};
  return fixture::WriteSaveFile(s);
}

std::vector<uint8_t> FirstHalf(const std::vector<uint8_t>& bytes) {
  return {bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(bytes.size() / 2)};
}

TEST(NewestSave, IsTheLatestSaveTheGreaterNameAmongEqualTimes) {
  Folder folder("newest");
  EXPECT_FALSE(ui::NewestSave(folder.Path.string()));
  folder.Write("turn-10.sav", {1}, 30);
  const std::string upper = folder.Write("turn-11.SAV", {1, 2}, 20);
  folder.Write("notes.txt", {1}, 0);  // not a save
  fs::create_directory(folder.Path / "folder.sav");
  EXPECT_EQ(ui::NewestSave(folder.Path.string())->Path, upper);
  EXPECT_EQ(ui::NewestSave(folder.Path.string())->Size, 2u);
  const auto time = fs::last_write_time(upper);
  const std::string later = folder.Write("turn-12.sav", {1}, 0);
  fs::last_write_time(later, time);
  EXPECT_EQ(ui::NewestSave(folder.Path.string())->Path, later);
  EXPECT_FALSE(ui::NewestSave((folder.Path / "missing").string()));
}

// The game writes a newer save in two steps: it is loaded once, when whole, and the
// players chosen before stay chosen.
TEST(SaveFollower, LoadsANewerSaveOnceWholeAndKeepsTheChoices) {
  Folder folder("follow");
  fixture::FormFixture f;
  f.Host.NextFile = folder.Write("turn-10.sav", Save(100), 60);
  f.Form.UserLoad();
  ASSERT_TRUE(f.Form.LastLoad().Ok);
  f.Form.UserSelect("PlayerInfoSelect", 1);
  f.Form.UserSelect("AttLeaderSel2", 1);
  f.Form.UserSelect("GraphSelect", 2);
  f.Form.UserCheck("ShowAICheckBox", true);
  const std::string nick = f.Form.NickE.Text;

  ui::SaveFollower follower(folder.Path.string(), f.Form.LastLoad().File);
  EXPECT_FALSE(follower.Follow(f.Form).LookAgain);  // the save shown is no news

  const std::vector<uint8_t> whole = Save(250);
  const std::string next = folder.Write("turn-11.sav", FirstHalf(whole), 30);
  ui::FollowResult r = follower.Follow(f.Form);
  EXPECT_TRUE(r.LookAgain);  // just seen: it may still grow
  r = follower.Follow(f.Form);
  EXPECT_TRUE(r.LookAgain);  // unchanged, tried, not whole: tried again, silently
  EXPECT_FALSE(r.Loaded);
  EXPECT_FALSE(r.Report);
  EXPECT_NE(f.Form.LastLoad().File, next);

  folder.Write("turn-11.sav", whole, 20);
  EXPECT_TRUE(follower.Follow(f.Form).LookAgain);  // it changed: wait for it to settle
  r = follower.Follow(f.Form);
  ASSERT_TRUE(r.Loaded);
  EXPECT_FALSE(r.Report);
  EXPECT_NE(r.Status.find("turn-11.sav"), std::string::npos) << r.Status;
  EXPECT_EQ(f.Form.LastLoad().File, next);
  EXPECT_EQ(f.Form.Model().ScoreHistory[0][0], 250);
  EXPECT_TRUE(f.Host.Errors.empty());
  EXPECT_TRUE(f.Host.Warnings.empty());

  EXPECT_EQ(f.Form.PlayerInfoSelect.Selected, 1);  // a load alone chooses the first player
  EXPECT_EQ(f.Form.AttLeaderSel2.Selected, 1);
  EXPECT_EQ(f.Form.PlayerLogSelect.Selected, 0);
  EXPECT_EQ(f.Form.GraphSelect.Selected, 2);
  EXPECT_TRUE(f.Form.ShowAICheckBox.Checked);
  EXPECT_NE(f.Form.GoldE.Text, "");  // the Player page shows player 1 again
  EXPECT_EQ(f.Form.NickE.Text, nick);

  r = follower.Follow(f.Form);
  EXPECT_FALSE(r.Loaded || r.LookAgain);  // loaded once
}

// A save that stays damaged is told once, and the window keeps the save it showed.
TEST(SaveFollower, ReportsASaveThatStaysDamagedOnce) {
  Folder folder("damaged");
  fixture::FormFixture f;
  f.Host.NextFile = folder.Write("turn-10.sav", Save(100), 60);
  f.Form.UserLoad();
  ui::SaveFollower follower(folder.Path.string(), f.Form.LastLoad().File);
  folder.Write("turn-11.sav", FirstHalf(Save(250)), 30);
  int reports = 0;
  for (int look = 0; look < 6; ++look) {
    const ui::FollowResult r = follower.Follow(f.Form);
    EXPECT_FALSE(r.Loaded);
    if (r.Report) {
      ++reports;
      EXPECT_NE(r.Report->find("turn-11.sav"), std::string::npos) << *r.Report;
    }
  }
  EXPECT_EQ(reports, 1);
  EXPECT_EQ(f.Form.Model().ScoreHistory[0][0], 100);
  EXPECT_TRUE(f.Host.Errors.empty());  // the follower tells the user, not the window
}

}  // namespace
}  // namespace varnak
