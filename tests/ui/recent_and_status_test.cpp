// The list behind File > Open Recent, and the status bar's texts.
#include <gtest/gtest.h>

#include <filesystem>

#include "ui/form_fixture.h"
#include "ui/format.h"
#include "ui/recent_files.h"
#include "ui/status_line.h"

namespace varnak {
namespace {

TEST(RecentFiles, NewestFirstOnceEachAtMostTen) {
  ui::RecentFiles recent({"b.sav", "a.sav", "b.sav", ""});
  EXPECT_EQ(recent.Paths(), (std::vector<std::string>{"b.sav", "a.sav"}));
  recent.Opened("a.sav");
  EXPECT_EQ(recent.Paths(), (std::vector<std::string>{"a.sav", "b.sav"}));
  for (int i = 0; i < 12; ++i) recent.Opened("s" + std::to_string(i) + ".sav");
  ASSERT_EQ(recent.Paths().size(), ui::RecentFiles::kMax);
  EXPECT_EQ(recent.Paths().front(), "s11.sav");
  EXPECT_EQ(recent.Paths().back(), "s2.sav");
  std::vector<std::string> kept(12);
  for (int i = 0; i < 12; ++i) kept[static_cast<size_t>(i)] = std::to_string(i);
  EXPECT_EQ(ui::RecentFiles(kept).Paths(), std::vector<std::string>(kept.begin(), kept.begin() + 10));
}

TEST(RecentFiles, DropsTheSavesThatAreGoneAndNamesThem) {
  const std::string here = fixture::TempPath("recent-here.sav");
  fixture::WriteFile(here, {1});
  const std::string gone = fixture::TempPath("recent-gone.sav");
  std::filesystem::remove(gone);
  ui::RecentFiles recent({gone, here, fixture::TempPath("")});
  EXPECT_EQ(recent.DropMissing(), (std::vector<std::string>{gone, fixture::TempPath("")}));
  EXPECT_EQ(recent.Paths(), std::vector<std::string>{here});
  EXPECT_TRUE(recent.DropMissing().empty());
}

TEST(StatusLine, NamesTheFileItsTurnAndDateAndTheLoadTime) {
  fixture::FormFixture f;
  EXPECT_FALSE(ui::StatusAfterLoad(f.Form, 5));  // nothing loaded yet
  f.Load(fixture::SaveFixture::Basic(), "status.sav");
  ASSERT_TRUE(f.Form.LastLoad().Ok);
  const std::optional<ui::StatusLine> line = ui::StatusAfterLoad(f.Form, 85);
  ASSERT_TRUE(line);
  EXPECT_EQ(line->File, "status.sav");
  const GameModel& m = f.Form.Model();
  EXPECT_EQ(line->TurnAndDate, "Turn " + std::to_string(m.CurrentTurn) + ", " + ui::PlainYear(m.CurrentYear) +
                                   (m.CurrentMonth.empty() ? "" : " " + m.CurrentMonth));
  EXPECT_EQ(line->LoadTime, "Loaded in 85 ms");
  f.Host.NextFile = "/nonexistent/x.sav";
  f.Form.UserLoad();
  EXPECT_FALSE(ui::StatusAfterLoad(f.Form, 3));  // the window still shows status.sav
}

}  // namespace
}  // namespace varnak
