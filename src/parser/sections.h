// The sections of a save, each read by its own unit, in the order of the file.
#pragma once

#include "model/game_model.h"
#include "reference/reference_tables.h"
#include "saveio/field_reader.h"
#include "saveio/save_image.h"

namespace varnak::parser {

inline constexpr int kBuildings = static_cast<int>(reference::kBuildingCount);

struct ParseContext {
  const SaveImage& Image;
  FieldReader& Reader;
  GameModel& Model;
  // The model this one replaces, if any: its logs lend their records' memory (see
  // Refill) and are left empty.
  GameModel* Previous = nullptr;
};

// How many places the session scan tests at once: the widest the processor offers,
// or the portable sixteen (the two find the same).
enum class ScanWidth { Widest, Portable };

// Session markers of the replay log, collected before the body is walked.
void ScanSessions(const SaveImage& image, GameModel& model, ScanWidth width = ScanWidth::Widest);

void ReadSaveHeader(ParseContext& ctx);
void ReadGameRecord(ParseContext& ctx);
void ReadMap(ParseContext& ctx);
void ReadTeams(ParseContext& ctx);

// The 19 player records, each read in one pass: head, cities, tail.
void ReadPlayers(ParseContext& ctx);
// The head of player record `slot`, up to its number of cities. Returns the record's
// first field, which decides the layout of one block of the tail.
int32_t ReadPlayerHead(ParseContext& ctx, int slot);
void ReadCities(ParseContext& ctx, int slot);
void ReadPlayerTail(ParseContext& ctx, int slot, int32_t recordFlag);

// Derived totals, once everything is read.
void PostProcess(ParseContext& ctx);

}  // namespace varnak::parser
