// The boxes of the two "Score Calculations" groups, one table per group. The view
// shows every box from it, the leave handler reads the inputs back in its order,
// start-up shows the user's factors and marks what is typed, and the desktop page
// places each box at its row and column: adding a box is one line.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "model/game_model.h"
#include "ui/controls.h"

namespace varnak::ui {

class TForm1;
struct GameScoreResults;
struct OrdoFactors;
struct OrdoResults;

enum class BoxRole {
  Result,  // shown only
  Input,   // typed by the user; leaving it reads every input and recomputes the group
  Factor,  // an input that is the user's own setting: shown from start-up, kept across loads
};

// What a group's boxes show and where typed values go.
struct GameScoreValues {
  GameModel& Model;
  GameScoreResults& Results;
};
struct OrdoValues {
  GameModel& Model;
  OrdoFactors& Factors;
  OrdoResults& Results;
};

template <typename Values>
struct ScoreBox {
  std::string_view Name;
  EditControl TForm1::*Box;
  int Row, Column;  // in the group's grid; row -1: the box stands elsewhere on its page
  int Span;         // grid columns it takes
  BoxRole Role;
  // The box's text; nothing leaves the text it has.
  std::optional<std::string> (*Show)(const Values&);
  // Stores the typed text (inputs only); throws ConvertError for a text that is no number.
  void (*Store)(Values&, const std::string& text);
};

using GameScoreBox = ScoreBox<GameScoreValues>;
using OrdoBox = ScoreBox<OrdoValues>;

// Inputs first, in the order the leave handler reads them: a bad box keeps every
// value read before it.
std::span<const GameScoreBox> GameScoreBoxes();
std::span<const OrdoBox> OrdoBoxes();

// Captions of the groups' grids, row 1 and column 1 first.
inline constexpr const char* kGameScoreRowCaptions[] = {"Population", "Land", "Science", "Wonder"};
inline constexpr const char* kGameScoreColumnCaptions[] = {"Initial",  "Current",    "Maximal",
                                                           "Factor",   "Game Score", "Final Score"};
inline constexpr const char* kOrdoRowCaptions[] = {"Population", "Land",   "Science", "Wonder",
                                                   "Culture",    "M.Tech", "Turn",    "Date"};
inline constexpr const char* kOrdoColumnCaptions[] = {"Current+", "Maximal", "Factor", "Final Score",
                                                      "% Score"};

}  // namespace varnak::ui
