// The sections of a save, each read by its own unit, in the order of the file.
#pragma once

#include "model/game_model.h"
#include "saveio/field_reader.h"
#include "saveio/save_image.h"

namespace varnak::parser {

struct ParseContext {
  const SaveImage& Image;
  FieldReader& Reader;
  GameModel& Model;
};

// Session markers of the replay log, collected before the body is walked.
void ScanSessions(const SaveImage& image, GameModel& model);

void ReadSaveHeader(ParseContext& ctx);
void ReadGameRecord(ParseContext& ctx);

}  // namespace varnak::parser
