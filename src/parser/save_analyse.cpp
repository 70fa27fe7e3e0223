#include "parser/save_analyse.h"

#include "parser/sections.h"

namespace varnak {

std::unique_ptr<GameModel> SaveAnalyse(const SaveImage& image, const GameScoreFactors& factors,
                                       GameModel* previous) {
  auto model = std::make_unique<GameModel>();
  GameModel& m = *model;
  m.Factors = factors;

  parser::ScanSessions(image, m);

  FieldReader reader(image);
  parser::ParseContext ctx{image, reader, m, previous};
  parser::ReadSaveHeader(ctx);
  parser::ReadGameRecord(ctx);
  parser::ReadMap(ctx);
  parser::ReadTeams(ctx);
  parser::ReadPlayers(ctx);

  if (reader.Exhausted()) {
    m.Damage.Damaged = true;
    m.Damage.Offset = reader.DataEnd();
    m.Damage.Section = reader.ExhaustedSection();
  }
  parser::PostProcess(ctx);
  return model;
}

}  // namespace varnak
