// The stress save that the benchmarks load: it must open whole, with every table as
// full as it was made, and a window that held it must show the next save as a fresh
// window does (the loader and the parser reuse the memory of the previous load).
#include <gtest/gtest.h>

#include <string>

#include "app/window_report.h"
#include "support/stress_save.h"
#include "ui/form_fixture.h"

namespace varnak {
namespace {

using fixture::StressFigures;

const std::string& StressSavePath() {
  static const std::string path = [] {
    const std::string p = fixture::TempPath("stress.sav");
    fixture::WriteFile(p, fixture::WriteSaveFile(fixture::StressSave()));
    return p;
  }();
  return path;
}

TEST(StressSave, LoadsWholeWithEveryTableAsFullAsItWasMade) {
  fixture::RecordingHost host;
  ui::TForm1 form(host);
  form.LoadFile(StressSavePath());
  ASSERT_TRUE(form.LastLoad().Ok);
  EXPECT_TRUE(host.Errors.empty());
  EXPECT_TRUE(host.Warnings.empty()) << host.Warnings.front();

  const GameModel& m = form.Model();
  EXPECT_EQ(form.PlayerLogSelect.Items.size(), size_t{StressFigures::kPlayers});
  EXPECT_EQ(m.ReplayLog.size(), size_t{StressFigures::kReplayMessages});
  EXPECT_EQ(form.ReplayList.Lines.size(), size_t{StressFigures::kReplayMessages});
  EXPECT_EQ(m.SessionList.size(), size_t{StressFigures::kSessions});
  EXPECT_EQ(m.PlotTable.Columns, StressFigures::kMapSide);
  EXPECT_EQ(m.PlotTable.Rows, StressFigures::kMapSide);
  for (size_t p = 0; p < kSlotCount; ++p) {
    SCOPED_TRACE(p);
    EXPECT_EQ(m.MessageTable[p].size(), size_t{StressFigures::kMessagesPerPlayer});
    EXPECT_EQ(m.PlayerCityCount[p], StressFigures::kCitiesPerPlayer);
    EXPECT_EQ(m.PlayerUnitCount[p], StressFigures::kUnitsPerPlayer);
    EXPECT_NE(m.ScoreHistory[p][StressFigures::kTurns - 1], 0);
    EXPECT_NE(m.PlayerCityCulture[p][StressFigures::kCitiesPerPlayer - 1], 0);
  }
}

TEST(StressSave, AWindowThatHeldItShowsTheNextSaveAsAFreshWindowDoes) {
  fixture::SaveFixture small = fixture::SaveFixture::Basic();
  small.Players[0].Tail.Messages = {{"You have discovered Writing!", 36, 12, 1},
                                    {"Roma has grown to size 3", 37, 14, 1}};
  const std::string smallPath = fixture::TempPath("after-stress.sav");
  fixture::WriteFile(smallPath, fixture::WriteSaveFile(small));

  fixture::RecordingHost freshHost;
  ui::TForm1 fresh(freshHost);
  fresh.LoadFile(smallPath);

  fixture::RecordingHost usedHost;
  ui::TForm1 used(usedHost);
  used.LoadFile(StressSavePath());
  used.LoadFile(smallPath);
  EXPECT_TRUE(app::WindowState(used) == app::WindowState(fresh));
  EXPECT_EQ(used.Model().ReplayLog.size(), fresh.Model().ReplayLog.size());
  EXPECT_EQ(used.Model().MessageTable[0].size(), size_t{2});
}

}  // namespace
}  // namespace varnak
