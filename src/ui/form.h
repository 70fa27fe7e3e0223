// TForm1: the analyzer's main window as plain state and actions, without a toolkit.
//
// Every named control is a member holding what it shows. Views write the controls
// from the GameModel; event handlers run what the window binds to each user action.
// The desktop front end and the report tool both drive the window only through the
// User* actions below and read it only through its controls, so what a test sees
// here is what a player sees.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/game_model.h"
#include "ui/controls.h"
#include "ui/score_boxes.h"
#include "ui/text_encoding.h"

namespace varnak::ui {

// What the window asks of its surroundings: the file dialog and the toolkit's error
// report. Tests and the report tool replace it.
class FormHost {
 public:
  virtual ~FormHost() = default;
  // The file the user chose in the open dialog, or nothing when cancelled.
  virtual std::optional<std::string> ChooseSaveFile() = 0;
  // The toolkit's error report (a message box in the desktop window).
  virtual void ShowError(const std::string& message) = 0;
  // Something the user should know about a save that did load (e.g. damage).
  virtual void ShowWarning(const std::string& message) = 0;
};

struct LoadStatus {
  std::optional<std::string> File;  // as the dialog gave it; nothing before any load
  bool Ok = false;
  std::optional<std::string> Error;
  std::vector<std::string> Warnings;
};

// Factors of the Ordo score that the user sets; they outlive a load.
struct OrdoFactors {
  int32_t OrdoPopFactor = 2500;
  int32_t OrdoLandFactor = 2500;
  int32_t OrdoTechFactor = 2500;
  int32_t OrdoWonderFactor = 5000;
  int32_t OrdoCultureFactor = 2500;
  int32_t OrdoMTechFactor = 5000;
  int32_t OrdoTurnFactor = 2500;
  int32_t OrdoMTechMax = 150;
};

struct TechDisplayEntry {
  int32_t Tech;
  int32_t Cost;
  int32_t Era;
};

// Results of the game score group, kept beside their texts.
struct GameScoreResults {
  int32_t PopScore = 0, LandScore = 0, TechScore = 0, WonderScore = 0, GameScoreSum = 0;
  int32_t PopFinalScore = 0, LandFinalScore = 0, TechFinalScore = 0, WonderFinalScore = 0,
          FinalScoreSum = 0;
};

struct OrdoResults {
  int32_t OrdoPopFinal = 0, OrdoLandFinal = 0, OrdoTechFinal = 0, OrdoWonderFinal = 0,
          OrdoCultureFinal = 0, OrdoMTechFinal = 0, OrdoTurnFinal = 0, OrdoSumFinal = 0;
};

// Edit boxes by page, in the order the report lists them. The numbered ones show:
//   Edit1  the loaded file's path         Edit2  the file's date
//   Edit3  current turn / estimated end    Edit4  the current date
//   Edit5  playing time                    Edit6  the game score as saved
//   Edit7  game status                     Edit8  difficulty
//   Edit9  sessions                        Edit10 play sessions
//   Edit11 sessions before the log began (typed)
//   Edit12 average session time            Edit13 the recomputed final score
#define VARNAK_EDIT_BOXES(X)                                                                    \
  X(Edit1) X(Edit2)                                                                             \
  X(Edit3) X(Edit4) X(Edit5) X(Edit6) X(Edit13) X(Edit7) X(Edit8) X(NickE) X(LeaderE)           \
  X(CountryE) X(TurnLimitE) X(TurnTimeLeftE) X(VassalPopScoredE) X(VassalLandScoredE)           \
  X(InitPopE) X(InitLandE) X(InitTechE) X(InitWonderE)                                          \
  X(CurrPopScoreE) X(CurrLandScoreE) X(CurrTechScoreE) X(CurrWonderScoreE)                      \
  X(MaxPopScoreE) X(MaxLandScoreE) X(MaxTechScoreE) X(MaxWonderScoreE)                          \
  X(PopCoeffE) X(LandCoeffE) X(TechCoeffE) X(WonderCoeffE)                                      \
  X(PopScoreE) X(LandScoreE) X(TechScoreE) X(WonderScoreE) X(GameScoreSumE)                     \
  X(PopFinalScoreE) X(LandFinalScoreE) X(TechFinalScoreE) X(WonderFinalScoreE)                  \
  X(FinalScoreSumE) X(DiffCoeffE)                                                               \
  X(SaveFlagE) X(GameTypeE) X(GameNameE) X(MapScriptE) X(WorldSizeE) X(ClimateE) X(SeaLevelE)   \
  X(EraE) X(GameSpeedE) X(CalenderE) X(MapSizeE) X(LatitudesE) X(LandTilesE) X(OwnedTilesE)     \
  X(WrapXE) X(WrapYE) X(StartTurnDateE) X(PitbossTurnTimeE) X(MaxCityEliminationE)              \
  X(AdvancedStartPointsE)                                                                       \
  X(Edit9) X(Edit11) X(Edit10) X(Edit12)                                                        \
  X(GoldE) X(GoldPerTurnE) X(ResearchingE) X(CurrTechBeakersE) X(City1CultureE)                 \
  X(City2CultureE) X(City3CultureE) X(PowerE) X(PowerSE) X(PowerBE) X(PowerUE) X(PowerPE)       \
  X(EspionageE) X(WWPointsE) X(GeneralPointsE) X(GPCreatedE) X(VassalsE) X(RankMetE)            \
  X(TechNumberE) X(UnitNumberE) X(CityNumberE)                                                  \
  X(OrdoPopCurrE) X(OrdoLandCurrE) X(OrdoTechCurrE) X(OrdoWonderCurrE) X(OrdoCultureCurrE)      \
  X(OrdoMTechCurrE) X(OrdoTurnCurrE)                                                            \
  X(OrdoPopMaxE) X(OrdoLandMaxE) X(OrdoTechMaxE) X(OrdoWonderMaxE) X(OrdoCultureMaxE)           \
  X(OrdoMTechMaxE) X(OrdoTurnMaxE)                                                              \
  X(OrdoPopFactorE) X(OrdoLandFactorE) X(OrdoTechFactorE) X(OrdoWonderFactorE)                  \
  X(OrdoCultureFactorE) X(OrdoMTechFactorE) X(OrdoTurnFactorE)                                  \
  X(OrdoPopFinalE) X(OrdoLandFinalE) X(OrdoTechFinalE) X(OrdoWonderFinalE) X(OrdoCultureFinalE) \
  X(OrdoMTechFinalE) X(OrdoTurnFinalE)                                                          \
  X(OrdoPopPercentE) X(OrdoLandPercentE) X(OrdoTechPercentE) X(OrdoWonderPercentE)              \
  X(OrdoCulturePercentE) X(OrdoMTechPercentE) X(OrdoTurnPercentE)                               \
  X(OrdoSumFinalE) X(OrdoDateE) X(NewCivicsE) X(AnarchyCitiesE)                                 \
  X(BaseAttitudeE) X(HandicapAttitudeE) X(AggressiveAIE) X(PeaceWeightE) X(WarmongerRespectE)   \
  X(TeamSizeDifferenceE)                                                                        \
  X(RankDifferenceE) X(RankDifferenceMaxE) X(HighRanksE) X(HighRanksMaxE) X(WarSuccessE)        \
  X(WarSuccessMaxE) X(CloseBordersE) X(CloseBordersMaxE) X(WarAttitudeE) X(WarAttitudeMaxE)     \
  X(PeaceAttitudeE) X(PeaceAttitudeMaxE) X(SameReligionE) X(SameReligionMaxE)                   \
  X(DifferentReligionE) X(DifferentReligionMaxE) X(BonusTradeE) X(BonusTradeMaxE)               \
  X(OpenBordersE) X(OpenBordersMaxE) X(DefensivePactE) X(DefensivePactMaxE)                     \
  X(RivalDefensivePactE) X(RivalDefensivePactMaxE) X(RivalVassalE) X(RivalVassalMaxE)           \
  X(ShareWarE) X(ShareWarMaxE) X(FavoriteCivicE) X(FavoriteCivicMaxE) X(TradeAttitudeE)         \
  X(TradeAttitudeMaxE) X(EnemyTradeAttitudeE) X(EnemyTradeAttitudeMaxE) X(ColonyAttitudeE)      \
  X(ColonyAttitudeMaxE) X(ExtraAttitudeE) X(ExtraAttitudeMaxE)

#define VARNAK_ATTITUDE_SUMMARY_BOXES(X) \
  X(SummaryAttitudeE) X(SummaryAttitudeTextE) X(Espionage1E) X(Espionage2E) X(Rank1E) X(Rank2E)

#define VARNAK_LABELS(X) X(AnarchyLengthL) X(CivicsStr)
#define VARNAK_LISTS(X) X(GameOptionBox) X(VictoryConditionBox) X(MPOptionBox) X(SessionListBox)
#define VARNAK_LOGS(X) X(ReplayList) X(PlayerLog)
#define VARNAK_SELECTS(X)                                                                        \
  X(GraphSelect) X(PlayerLogSelect) X(PlayerInfoSelect) X(AttLeaderSel1) X(AttLeaderSel2)       \
  X(AnarchyWorldSizeBox) X(AnarchyGameSpeedBox) X(AnarchyStartEraBox)
#define VARNAK_CHECKS(X) X(ShowAICheckBox) X(ShowCombatsCheckBox) X(ShowCityEventsCheckBox)
#define VARNAK_GRIDS(X)                                                                          \
  X(LeadersGrid) X(TeamsGrid) X(TechGrid) X(PlotTypeGrid) X(TerrainTypeGrid) X(FeatureTypeGrid) \
  X(BonusTypeGrid)
// Controls beyond the design's window, listed after all of its own.
#define VARNAK_WORLD_CONTROLS(X) X(WorldMapModeSelect) X(WorldMap) X(CitiesGrid)

// The pages, in the order the window shows them; every front end takes the order from here.
enum PageId : int {
  kBasePage, kMapPage, kLeadersPage, kTeamsPage, kReplayPage, kGraphPage, kPlayerLogPage,
  kReloadsPage, kPlayerPage, kOrdoPage, kAttitudesPage, kTerrainPage,
  kWorldPage, kCitiesPage  // beyond the design: the map and the list of cities
};
inline constexpr int kPageCount = kCitiesPage + 1;
inline constexpr const char* kPageCaptions[kPageCount] = {
    "Base",       "Map",     "Leaders", "Teams", "Replay",    "Graph",
    "Player Log", "Reloads", "Player",  "Ordo",  "Attitudes", "Terrain",
    "World",      "Cities",
};
// From this page on, the pages are the analysis pages that a save may withhold.
inline constexpr int kFirstAnalysisPage = kLeadersPage;
inline constexpr int kMemoryBoxes = kMemoryKinds;  // one per attitude memory kind

class TForm1 {
 public:
  explicit TForm1(FormHost& host);  // runs FormCreate
  TForm1(const TForm1&) = delete;
  TForm1& operator=(const TForm1&) = delete;

  // ---- Controls ----
#define VARNAK_DECLARE(name) EditControl name;
  VARNAK_EDIT_BOXES(VARNAK_DECLARE)
  VARNAK_ATTITUDE_SUMMARY_BOXES(VARNAK_DECLARE)
#undef VARNAK_DECLARE
  std::array<EditControl, kMemoryBoxes> Memory;  // Memory0 .. Memory32
#define VARNAK_DECLARE(name) LabelControl name;
  VARNAK_LABELS(VARNAK_DECLARE)
#undef VARNAK_DECLARE
#define VARNAK_DECLARE(name) ListControl name;
  VARNAK_LISTS(VARNAK_DECLARE)
#undef VARNAK_DECLARE
#define VARNAK_DECLARE(name) LogControl name;
  VARNAK_LOGS(VARNAK_DECLARE)
#undef VARNAK_DECLARE
#define VARNAK_DECLARE(name) SelectControl name;
  VARNAK_SELECTS(VARNAK_DECLARE)
#undef VARNAK_DECLARE
#define VARNAK_DECLARE(name) CheckControl name;
  VARNAK_CHECKS(VARNAK_DECLARE)
#undef VARNAK_DECLARE
  GridControl LeadersGrid{11, 20};
  GridControl TeamsGrid{10, 20};
  GridControl TechGrid{6, 93};
  GridControl PlotTypeGrid{2, 5};
  GridControl TerrainTypeGrid{2, 10};
  GridControl FeatureTypeGrid{2, 7};
  GridControl BonusTypeGrid{2, 36};
  ChartControl HistoryChart;
  SelectControl WorldMapModeSelect;  // "Political", "Terrain", "Resources"
  MapControl WorldMap;
  GridControl CitiesGrid{8, 1};  // a row per city the model keeps, below the headers
  std::array<Page, kPageCount> Pages;
  std::string Caption;
  // A page the window asks the front end to bring forward (a city opened from the
  // cities grid opens "World"); each request has a new serial.
  int RequestedPage = -1;
  uint32_t PageRequestSerial = 0;

  // Visits every named control in page order: visit(name, control).
  template <typename Visitor>
  void ForEachControl(Visitor&& visit);

  // ---- What the user does (the toolkit's events) ----
  // Each runs the handlers the window binds to the action and reports a failed
  // conversion as the toolkit does. False when the window has no such control.
  void UserLoad();  // "Load File"
  void UserLoadFile(const std::string& path);  // a file given otherwise (command line, drop)
  bool UserSelect(const std::string& name, int index);
  bool UserCheck(const std::string& name, bool checked);
  bool UserTextChanged(const std::string& name, const std::string& text);
  bool UserLeave(const std::string& name);
  bool UserEdit(const std::string& name, const std::string& text);  // type, then leave
  bool UserType(const std::string& name, const std::string& text);  // editable drop-downs
  // The "Text encoding" menu: every text of the save on show is written again in the
  // code page chosen; nothing is loaded again and nothing the user set changes.
  void UserChooseEncoding(TextEncoding encoding);

  // A click on the header of column `column` of a grid that sorts (CitiesGrid): sorts
  // its rows by that column, numbers as numbers; the same column again reverses them.
  bool UserSortGrid(const std::string& name, int column);
  // A double-click on row `row` (1 = the first below the headers) of CitiesGrid: opens
  // "World" on that city's plot.
  bool UserOpenCity(int row);

  // What the World page says of the plot at (column, row) of the map, in one line;
  // empty for a plot off the picture.
  std::string PlotDescription(int32_t column, int32_t row) const;

  // ---- Handlers and operations under their window names ----
  void FormCreate();
  void Button1Click();              // asks for a file and loads it
  void Edit11Change();              // recomputes the session figures of "Reloads"
  void GraphSelectChange();         // redraws the chart (GraphSelect, ShowAICheckBox)
  void ShowCombatsCheckBoxClick();  // redraws the player log (its selector and both filters)
  void PlayerInfoSelectChange();    // refills the "Player" page
  void AttLeaderSel1Change();       // recomputes the attitude breakdown (either leader)
  void DiffCoeffEChange();          // reads the game score group's inputs, recomputes it
  void OrdoPopCurrEExit();          // reads the Ordo group's inputs, recomputes it
  void NewCivicsEChange();          // recomputes the anarchy length

  void ClearScoreTable();
  void CheckValues();
  void PrintData();
  void ClearLeadersGrid();  // empties both player grids, LeadersGrid and TeamsGrid
  void ScoreCalc();
  void OrdoScoreCalc();
  void DrawPlayerLog();
  void DrawGraph();
  void PrintPlayerInfo();
  void PrintLeaderAttitude();
  void DrawWorldMap();     // WorldMapModeSelect's change handler too
  void PrintCitiesPage();

  // ---- State behind the controls ----
  const GameModel& Model() const { return *model_; }
  GameModel& Model() { return *model_; }
  const LoadStatus& LastLoad() const { return lastLoad_; }
  const std::vector<std::string>& ErrorReports() const { return errors_; }
  // The user's choice of code page, and the code page the texts are shown in (what
  // Auto chose for the save on show, else the one chosen).
  TextEncoding Encoding() const { return encoding_; }
  CodePage ShownCodePage() const { return CodePageOf(encoding_, autoCodePage_.value_or(CodePage::Cp1252)); }
  // How the menu words `encoding` now ("Auto (Cyrillic)" once a save is on show).
  std::string EncodingCaption(TextEncoding encoding) const { return TextEncodingCaption(encoding, autoCodePage_); }

  // Every text of the save that a view shows passes here, as UTF-8: its 8-bit form
  // through the code page in force, or its whole form when the save wrote it with a
  // character above 255 (GameModel::Unicode, looked up at field, row and item).
  std::string ShowText(std::string_view bytes, TextField field, int32_t row = 0, int32_t item = 0) const;
  // A text of the save that is kept 8-bit only.
  std::string ShowText(std::string_view bytes) const;
  // ShowText, appended to `out` (whose memory a long log reuses).
  void AppendShownText(std::string& out, std::string_view bytes, TextField field, int32_t row = 0,
                       int32_t item = 0) const;

  OrdoFactors Ordo;
  std::array<TechDisplayEntry, kTechs> TechDisplayOrder{};
  PerSlot<int32_t> SelectorPlayers{};
  std::array<int32_t, 4> PlotTypeCounts{};
  std::array<int32_t, 9> TerrainTypeCounts{};
  std::array<int32_t, 6> FeatureTypeCounts{};
  std::array<int32_t, 35> BonusTypeCounts{};
  GameScoreResults GameScoreResult;
  OrdoResults OrdoResult;
  int32_t PlaySessionCount = 0;
  int32_t AverageSessionSeconds = 0;

  // Loads the file at `path` as "Load File" does after its dialog.
  void LoadFile(const std::string& path);
  // Loads the file at `path` only when it loads whole: no loader error and no damage.
  // Otherwise the window stays exactly as it was and nothing is reported; the reason
  // is returned (a save that the game is still writing is not worth a message yet).
  std::optional<std::string> LoadFileIfWhole(const std::string& path);
  // Shows a freshly read model as the end of a load does (tests state models here).
  void ShowLoadedModel(std::unique_ptr<GameModel> model, const std::string& path,
                       const std::string& date);

 private:
  template <typename Handler>
  void Run(Handler&& handler);
  void ReportError(const std::string& message);
  // FormCreate's steps.
  void SetUpWindow();
  void SetUpGrids();
  void SetUpScoreGroups();
  void SetUpGraphAndLogPages();
  void SetUpAnarchyGroup();
  void SetUpWorldPages();
  void PrintSummary();  // the summary steps of PrintData, page by page
  void PrintBasePage();
  void PrintMapPage();
  void PrintPlayerGrids();
  void PrintReplayPage();
  void FillPlayerSelectors();
  void NamePlayerSelectors();  // the names of the entries FillPlayerSelectors made
  void PrintSaveTexts();       // every view that shows a text of the save, once more
  // The slot the Player and Player Log pages show for their selector's position.
  int32_t SlotShownBy(const SelectControl& box) const;
  template <typename Values>
  void ShowBoxes(std::span<const ScoreBox<Values>> boxes, const Values& values) {
    for (const ScoreBox<Values>& box : boxes)
      if (std::optional<std::string> text = box.Show(values)) (this->*box.Box).Text = std::move(*text);
  }
  template <typename Values>
  void ShowFactors(std::span<const ScoreBox<Values>> boxes, const Values& values) {
    for (const ScoreBox<Values>& box : boxes)
      if (box.Role == BoxRole::Factor) (this->*box.Box).Text = *box.Show(values);
  }
  template <typename Values>
  void StoreInputs(std::span<const ScoreBox<Values>> boxes, Values values) {
    for (const ScoreBox<Values>& box : boxes)
      if (box.Store != nullptr) box.Store(values, (this->*box.Box).Text);
  }
  void CountTerrain();
  // A save text of player `slot` as the leaders grid shows it, and a city's name.
  std::string PlayerName(int32_t slot) const;
  std::string CityName(int32_t slot, size_t index) const;  // city `index` of player `slot`
  void SortCityRows();  // by the column last clicked, if any
  void WriteCitiesGrid();

  // Which city each row of CitiesGrid shows, with the raw values its columns sort by.
  struct CityRow {
    int32_t Slot = 0;
    int32_t Index = 0;  // in the player's cities
    int32_t Number = 0;
  };
  std::vector<CityRow> cityRows_;
  int citiesSortColumn_ = -1;
  bool citiesSortDescending_ = false;

  FormHost& host_;
  std::unique_ptr<GameModel> model_;
  LoadStatus lastLoad_;
  TextEncoding encoding_ = TextEncoding::Auto;
  std::optional<CodePage> autoCodePage_;  // what Auto chose for the save on show
  std::vector<std::string> errors_;
};

template <typename Visitor>
void TForm1::ForEachControl(Visitor&& visit) {
#define VARNAK_VISIT(name) visit(std::string_view(#name), name);
  VARNAK_EDIT_BOXES(VARNAK_VISIT)
  for (int k = 0; k < kMemoryBoxes; ++k)
    visit(std::string_view("Memory" + std::to_string(k)), Memory[static_cast<size_t>(k)]);
  VARNAK_ATTITUDE_SUMMARY_BOXES(VARNAK_VISIT)
  VARNAK_LABELS(VARNAK_VISIT)
  VARNAK_LISTS(VARNAK_VISIT)
  VARNAK_LOGS(VARNAK_VISIT)
  VARNAK_SELECTS(VARNAK_VISIT)
  VARNAK_CHECKS(VARNAK_VISIT)
  VARNAK_GRIDS(VARNAK_VISIT)
  visit("HistoryChart", HistoryChart);
  VARNAK_WORLD_CONTROLS(VARNAK_VISIT)
#undef VARNAK_VISIT
}

}  // namespace varnak::ui
