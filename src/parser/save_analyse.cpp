#include "parser/save_analyse.h"

#include "parser/sections.h"

namespace varnak {

namespace {

template <typename T>
void Lend(std::vector<T>& from, std::vector<T>& to) {
  to = std::move(from);
  to.clear();
  from = {};
}

}  // namespace

std::unique_ptr<GameModel> SaveAnalyse(const SaveImage& image, const GameScoreFactors& factors,
                                       GameModel* previous) {
  auto model = std::make_unique<GameModel>();
  GameModel& m = *model;
  m.Factors = factors;
  if (previous != nullptr) {
    Lend(previous->ReplayLog, m.ReplayLog);
    for (size_t p = 0; p < m.MessageTable.size(); ++p) Lend(previous->MessageTable[p], m.MessageTable[p]);
  }

  parser::ScanSessions(image, m);

  FieldReader reader(image);
  parser::ParseContext ctx{image, reader, m};
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
