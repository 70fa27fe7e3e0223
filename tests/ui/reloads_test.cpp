#include <gtest/gtest.h>

#include "ui/form_fixture.h"

namespace varnak {
namespace {

TEST(Reloads, CountsPlaySessionsAndTheirAverageLength) {
  fixture::FormFixture f;
  GameModel m = fixture::TwoPlayerModel();
  m.SessionCount = 12;
  m.PreSessionCount = 3;
  m.PlayingSeconds = 3600;
  m.SessionList = {{1, -4000, ""}, {2, -4000, ""}, {3, 2021, "Jan"}};
  f.Show(m);
  const ui::TForm1& w = f.Form;
  EXPECT_EQ(w.Edit9.Text, "    12");
  EXPECT_EQ(w.Edit11.Text, "  3");
  EXPECT_EQ(w.Edit10.Text, "     9");
  EXPECT_EQ(w.Edit12.Text, "     0:06:40");
  EXPECT_EQ(w.SessionListBox.Items,
            (std::vector<std::string>{"  1 -4000 ", "  2 -4000 ", "  3  2021 Jan"}));

  f.Form.UserTextChanged("Edit11", "20");
  EXPECT_EQ(w.Edit10.Text, "     0");
  EXPECT_EQ(w.Edit12.Text, "     0:00:00");
  f.Form.UserTextChanged("Edit11", "0");
  EXPECT_EQ(w.Edit10.Text, "    12");
  EXPECT_EQ(w.Edit12.Text, "     0:05:00");
  // A text that is no number keeps the figures and is reported.
  f.Form.UserTextChanged("Edit11", "");
  EXPECT_EQ(w.Edit10.Text, "    12");
  EXPECT_EQ(f.Host.Errors, (std::vector<std::string>{"'' is not a valid integer value"}));
}

TEST(Reloads, AverageOfADayAndMore) {
  fixture::FormFixture f;
  GameModel m = fixture::TwoPlayerModel();
  m.SessionCount = 1;
  m.PlayingSeconds = 90061;
  f.Show(m);
  EXPECT_EQ(f.Form.Edit11.Text, "  0");
  EXPECT_EQ(f.Form.Edit12.Text, "    25:01:01");
}

}  // namespace
}  // namespace varnak
