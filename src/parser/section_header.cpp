#include "parser/list_readers.h"
#include "parser/sections.h"
#include "parser/unicode_text.h"

namespace varnak::parser {

void ReadSaveHeader(ParseContext& ctx) {
  FieldReader& r = ctx.Reader;
  GameModel& m = ctx.Model;
  r.SetSection("the save header");
  r.SetCursor(0);

  m.SaveVersion = r.ReadInt();
  (void)r.ReadStr();  // mod path
  (void)r.ReadStr();  // mod checksum
  (void)r.ReadInt();  // flags
  (void)r.ReadStr();  // game build version
  for (int i = 0; i < 4; ++i) (void)r.ReadStr();  // checksum texts
  (void)r.ReadInt();
  m.SaveFlag = r.ReadInt();
  m.GameType = r.ReadInt();
  m.GameName = r.ReadUStr();
  KeepUnicode(r, m, TextField::GameName);
  r.SkipUStr();  // game password
  m.AdminPassword = r.ReadUStr();
  m.MapScript = r.ReadUStr();
  KeepUnicode(r, m, TextField::MapScript);
  (void)r.ReadBool();
  m.WorldSize = r.ReadInt();
  m.Climate = r.ReadInt();
  m.SeaLevel = r.ReadInt();
  m.StartEra = r.ReadInt();
  m.GameSpeed = r.ReadInt();
  (void)r.ReadInt();  // turn timer
  m.Calendar = r.ReadInt();
  const int32_t a = r.ReadInt();
  (void)r.ReadInt();
  if (a > 0) r.SkipInts(a);
  const int32_t v = r.ReadInt();
  ReadFlags(r, m.VictoryConditions, v);
  ReadFlags(r, m.GameOptions, m.SaveFlag > 0 ? kGameOptions : kGameOptions - 1);
  if (m.SaveFlag <= 0) m.GameOptions[kGameOptions - 1] = 0;
  ReadFlags(r, m.MPOptions, kMPOptions);
  (void)r.ReadBool();
  (void)r.ReadInt();
  m.TurnLimit = r.ReadInt();
  m.PitbossTurnTime = r.ReadInt();
  (void)r.ReadInt();
  m.MaxCityElimination = r.ReadInt();
  m.AdvancedStartPoints = r.ReadInt();

  // The slot table is stored field by field: all 19 values of one field first.
  r.SetSection("the player slots of the save header");
  auto slots = [&](auto read) {
    for (int p = 0; p < kSlotCount; ++p) read(m.SlotTable[static_cast<size_t>(p)]);
  };
  auto row = [&](const TLeaderInfoRec& s) { return static_cast<int32_t>(&s - m.SlotTable.data()); };
  slots([&](TLeaderInfoRec& s) {
    s.SlotName = r.ReadUStr();
    KeepUnicode(r, m, TextField::SlotName, row(s));
  });
  slots([&](TLeaderInfoRec& s) {
    s.SlotNationDescription = r.ReadUStr();
    KeepUnicode(r, m, TextField::SlotNationDescription, row(s));
  });
  slots([&](TLeaderInfoRec& s) { s.ThirdText = r.ReadUStr(); });
  slots([&](TLeaderInfoRec& s) {
    s.SlotNationAdjective = r.ReadUStr();
    KeepUnicode(r, m, TextField::SlotNationAdjective, row(s));
  });
  slots([&](TLeaderInfoRec& s) { s.SlotFifthText = r.ReadUStr(); });
  slots([&](TLeaderInfoRec& s) { s.SixthText = r.ReadUStr(); });
  slots([&](TLeaderInfoRec& s) { s.SeventhText = r.ReadUStr(); });
  slots([&](TLeaderInfoRec& s) { s.Flag = r.ReadBool(); });
  slots([&](TLeaderInfoRec& s) { s.NinthText = r.ReadUStr(); });
  slots([&](TLeaderInfoRec& s) { s.SlotNation = r.ReadInt(); });
  slots([&](TLeaderInfoRec& s) { s.SlotLeader = r.ReadInt(); });
  slots([&](TLeaderInfoRec& s) { s.SlotTeam = r.ReadInt(); });
  slots([&](TLeaderInfoRec& s) { s.SlotDifficulty = r.ReadInt(); });
  slots([&](TLeaderInfoRec& s) { s.SlotKept1 = r.ReadInt(); });
  slots([&](TLeaderInfoRec& s) { s.SlotKept2 = r.ReadInt(); });
  slots([&](TLeaderInfoRec& s) { s.SlotStatus = r.ReadInt(); });
  slots([&](TLeaderInfoRec& s) { s.SlotClaim = r.ReadInt(); });
  slots([&](TLeaderInfoRec& s) { s.SlotPlayable = r.ReadBool(); });
  slots([&](TLeaderInfoRec& s) { s.SlotMinor = r.ReadBool(); });

  // Whatever the header holds after the slot table, the body starts at its offset.
  r.SetCursor(ctx.Image.HeaderLength);
}

}  // namespace varnak::parser
