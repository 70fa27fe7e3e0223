#include "ui/form.h"

#include <algorithm>
#include <ctime>
#include <span>

#include "analysis/text_sample.h"
#include "parser/save_analyse.h"
#include "reference/reference_tables.h"
#include "saveio/platform.h"
#include "saveio/save_loader.h"
#include "ui/format.h"
#include "ui/world_map.h"

namespace varnak::ui {
namespace {

constexpr Color kSeriesColors[kSeriesCount] = {
    {255, 0, 0},   {0, 0, 255},     {0, 255, 0},     {255, 255, 0},  {255, 128, 0},
    {0, 255, 255}, {128, 0, 255},   {128, 128, 0},   {255, 255, 255}, {255, 0, 255},
    {0, 64, 0},    {128, 255, 128}, {255, 255, 128}, {128, 128, 64}, {64, 0, 64},
    {128, 255, 255}, {0, 64, 64},   {255, 128, 64},  {0, 0, 0},
};

// Leaving this box recomputes the game score group too, though the Ordo page shows it.
constexpr std::string_view kAlsoRecomputesGameScore = "OrdoDateE";

template <typename Box>
bool IsInput(std::span<const Box> boxes, std::string_view name) {
  for (const Box& box : boxes)
    if (box.Name == name) return box.Role != BoxRole::Result;
  return false;
}

std::string FileDate(int64_t unixSeconds) {
  std::tm local{};
  if (!LocalTime(unixSeconds, local)) return {};
  char text[32];
  std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
  return text;
}

template <size_t N>
std::vector<std::string> Names(const std::array<std::string_view, N>& table) {
  return {table.begin(), table.end()};
}

template <size_t N>
void SetRows(GridControl& grid, const char* header, const std::array<std::string_view, N>& names) {
  grid.ColumnWidths = {100, 55};
  grid.Cell(0, 0) = header;
  grid.Cell(1, 0) = "Count";
  for (size_t i = 0; i < N; ++i) grid.Cell(0, static_cast<int>(i) + 1) = std::string(names[i]);
}

// Finds a control of one kind by name.
template <typename Control>
Control* Find(TForm1& form, std::string_view wanted) {
  Control* found = nullptr;
  form.ForEachControl([&](std::string_view name, auto& control) {
    if constexpr (std::is_same_v<std::decay_t<decltype(control)>, Control>) {
      if (found == nullptr && name == wanted) found = &control;
    }
  });
  return found;
}

std::string DamageWarning(const GameModel& m) {
  return Format("The save looks damaged: the data ends at 0x%llX, inside %s; what follows is "
                "shown as zeros.",
                static_cast<unsigned long long>(m.Damage.Offset), m.Damage.Section.c_str());
}

}  // namespace

TForm1::TForm1(FormHost& host) : host_(host), model_(std::make_unique<GameModel>()) {
  FormCreate();
}

void TForm1::FormCreate() {
  SetUpWindow();
  SetUpGrids();
  SetUpScoreGroups();
  PlayerLogSelect.Clear();
  PlayerInfoSelect.Clear();
  AttLeaderSel1.Clear();
  AttLeaderSel2.Clear();
  SetUpGraphAndLogPages();
  SetUpAnarchyGroup();
  SetUpWorldPages();
}

// The caption, the pages, which boxes the user types in, and the selectors that a load
// shows.
void TForm1::SetUpWindow() {
  Caption = "Varnak Skarn Save Analyzer (version 1.06)";
  for (int i = 0; i < kPageCount; ++i) Pages[static_cast<size_t>(i)] = {kPageCaptions[i], true};

  // Boxes that only show results; the rest are the user's inputs.
  ForEachControl([&](std::string_view name, auto& control) {
    if constexpr (std::is_same_v<std::decay_t<decltype(control)>, EditControl>)
      control.ReadOnly = !IsInput(GameScoreBoxes(), name) && !IsInput(OrdoBoxes(), name) &&
                         name != kAlsoRecomputesGameScore && name != "Edit11" &&
                         name != "NewCivicsE" && name != "AnarchyCitiesE";
  });
  Edit11.FontColor = kBlue;
  AggressiveAIE.FontColor = kGrey;
  for (size_t k = 0; k < Memory.size(); ++k) Memory[k].Caption = reference::MemoryKindNames[k];

  PlayerLogSelect.Visible = false;
  PlayerInfoSelect.Visible = false;
}

// Headers, widths and row names of every grid.
void TForm1::SetUpGrids() {
  static constexpr const char* kLeaderHeaders[] = {
      "\xE2\x84\x96", "Leader name", "Original name", "Score", "Territory", "Population",
      "Civ description", "Civ adjective", "Team", "Land", ""};
  LeadersGrid.ColumnWidths = {20, 135, 115, 50, 85, 85, 125, 100, 50, 50, 200};
  for (int c = 0; c < 11; ++c) LeadersGrid.Cell(c, 0) = kLeaderHeaders[c];
  static constexpr const char* kTeamHeaders[] = {
      "\xE2\x84\x96", "Leader name", "Score", "Territory", "Population", "Vassal", "Level",
      "SlotStatus", "SlotClaim", "Playable"};
  TeamsGrid.ColumnWidths = {20, 135, 70, 105, 105, 37, 60, 60, 60, 60};
  for (int c = 0; c < 10; ++c) TeamsGrid.Cell(c, 0) = kTeamHeaders[c];
  static constexpr const char* kTechHeaders[] = {"\xE2\x84\x96", "Tech", "Era", "Cost", "Power",
                                                 "Known"};
  TechGrid.ColumnWidths = {20, 200, 70, 50, 50, 50};
  for (int c = 0; c < 6; ++c) TechGrid.Cell(c, 0) = kTechHeaders[c];
  for (int row = 1; row <= kTechs; ++row) TechGrid.Cell(0, row) = Format("%2d", row);

  SetRows(PlotTypeGrid, "PlotType", reference::PlotTypeNames);
  SetRows(TerrainTypeGrid, "TerrainType", reference::TerrainNames);
  SetRows(FeatureTypeGrid, "FeatureType", reference::FeatureNames);
  SetRows(BonusTypeGrid, "BonusType", reference::BonusNames);
  CitiesGrid.ColumnWidths = {36, 140, 135, 40, 40, 95, 70, 80};
}

// The default factors of both score groups, and the technology grid's row order.
void TForm1::SetUpScoreGroups() {
  // The default factors, shown in the boxes that edit them.
  ShowFactors(GameScoreBoxes(), GameScoreValues{*model_, GameScoreResult});
  ShowFactors(OrdoBoxes(), OrdoValues{*model_, Ordo, OrdoResult});

  // By era, then by base cost; equal ones keep their table order.
  for (int i = 0; i < kTechs; ++i) {
    const auto& tech = reference::TechnologyTable[static_cast<size_t>(i)];
    TechDisplayOrder[static_cast<size_t>(i)] = {i, tech.TechBaseCost, tech.TechEra};
  }
  std::stable_sort(TechDisplayOrder.begin(), TechDisplayOrder.end(),
                   [](const TechDisplayEntry& a, const TechDisplayEntry& b) {
                     return a.Era != b.Era ? a.Era < b.Era : a.Cost < b.Cost;
                   });
}

void TForm1::SetUpGraphAndLogPages() {
  GraphSelect.Items = {"Score", "Economy", "Industry", "Agriculture",
                       "Power", "Culture", "Espionage", "Science"};
  GraphSelect.Select(0);
  ShowAICheckBox.Caption = "Show AI";
  ShowCombatsCheckBox.Caption = "Show Combats";
  ShowCityEventsCheckBox.Caption = "Show City Events";
  HistoryChart.AxisMax = 0;
  HistoryChart.AxisMin = 0;
  for (int s = 0; s < kSeriesCount; ++s) {
    ChartSeries& series = HistoryChart.Series[static_cast<size_t>(s)];
    series.Title = Format("Graph%02d", s + 1);
    series.LineColor = kSeriesColors[s];
    series.InLegend = false;
  }
}

void TForm1::SetUpAnarchyGroup() {
  NewCivicsE.Text = "  0";
  AnarchyCitiesE.Text = " 10";
  AnarchyWorldSizeBox.Items = Names(reference::WorldSizeNames);
  AnarchyWorldSizeBox.Editable = true;
  AnarchyWorldSizeBox.Select(3);
  AnarchyGameSpeedBox.Items = Names(reference::GameSpeedNames);
  AnarchyGameSpeedBox.Editable = true;
  AnarchyGameSpeedBox.Select(2);
  AnarchyStartEraBox.Items = Names(reference::EraNames);
  AnarchyStartEraBox.Editable = true;
  AnarchyStartEraBox.Select(0);
  AnarchyLengthL.Text = "= 0 turns";
}

// The pages beyond the design: the map's modes, an empty map and grid.
void TForm1::SetUpWorldPages() {
  WorldMapModeSelect.Items = {kMapModeNames.begin(), kMapModeNames.end()};
  WorldMapModeSelect.Select(0);
  DrawWorldMap();
  PrintCitiesPage();
}

// ---- Events ----

// The one error policy of both front ends: whatever ends an action is reported as the
// toolkit reports an error, in the action's own words, and the window goes on with
// what was written before it.
template <typename Handler>
void TForm1::Run(Handler&& handler) {
  try {
    handler();
  } catch (const std::exception& error) {
    ReportError(error.what());
  }
}

void TForm1::ReportError(const std::string& message) {
  errors_.push_back(message);
  host_.ShowError(message);
}

void TForm1::UserLoad() {
  Run([&] { Button1Click(); });
}

void TForm1::UserLoadFile(const std::string& path) {
  Run([&] { LoadFile(path); });
}

bool TForm1::UserSelect(const std::string& name, int index) {
  SelectControl* box = Find<SelectControl>(*this, name);
  if (box == nullptr) return false;
  box->Select(index);
  Run([&] {
    if (box == &GraphSelect) GraphSelectChange();
    else if (box == &PlayerLogSelect) ShowCombatsCheckBoxClick();
    else if (box == &PlayerInfoSelect) PlayerInfoSelectChange();
    else if (box == &AttLeaderSel1 || box == &AttLeaderSel2) AttLeaderSel1Change();
    else if (box == &WorldMapModeSelect) DrawWorldMap();
    else NewCivicsEChange();  // the three anarchy boxes
  });
  return true;
}

bool TForm1::UserCheck(const std::string& name, bool checked) {
  CheckControl* box = Find<CheckControl>(*this, name);
  if (box == nullptr) return false;
  if (box->Checked == checked) return true;
  box->Checked = checked;
  Run([&] {
    if (box == &ShowAICheckBox) GraphSelectChange();
    else ShowCombatsCheckBoxClick();
  });
  return true;
}

bool TForm1::UserTextChanged(const std::string& name, const std::string& text) {
  EditControl* box = Find<EditControl>(*this, name);
  if (box == nullptr) return false;
  box->Text = text;
  if (box == &Edit11) Run([&] { Edit11Change(); });
  return true;
}

bool TForm1::UserLeave(const std::string& name) {
  if (Find<EditControl>(*this, name) == nullptr) return false;
  Run([&] {
    if (IsInput(GameScoreBoxes(), name) || name == kAlsoRecomputesGameScore) DiffCoeffEChange();
    else if (IsInput(OrdoBoxes(), name)) OrdoPopCurrEExit();
    else if (name == "NewCivicsE" || name == "AnarchyCitiesE") NewCivicsEChange();
  });
  return true;
}

bool TForm1::UserEdit(const std::string& name, const std::string& text) {
  return UserTextChanged(name, text) && UserLeave(name);
}

bool TForm1::UserType(const std::string& name, const std::string& text) {
  SelectControl* box = Find<SelectControl>(*this, name);
  if (box == nullptr || !box->Editable) return false;
  const auto match = std::find(box->Items.begin(), box->Items.end(), text);
  box->Selected = match == box->Items.end() ? -1 : static_cast<int>(match - box->Items.begin());
  box->Text = text;
  Run([&] { NewCivicsEChange(); });
  return true;
}

void TForm1::UserChooseEncoding(TextEncoding encoding) {
  const CodePage before = ShownCodePage();
  encoding_ = encoding;
  if (autoCodePage_ && ShownCodePage() != before) Run([&] { PrintSaveTexts(); });
}

// ---- Save texts ----

void TForm1::AppendShownText(std::string& out, std::string_view bytes, TextField field, int32_t row,
                             int32_t item) const {
  const WideTexts& unicode = model_->Unicode;
  if (!unicode.Empty()) {
    if (const std::string* whole = unicode.Find(field, row, item)) {
      out += *whole;
      return;
    }
  }
  AppendUtf8(bytes, ShownCodePage(), out);
}

std::string TForm1::ShowText(std::string_view bytes, TextField field, int32_t row, int32_t item) const {
  std::string out;
  AppendShownText(out, bytes, field, row, item);
  return out;
}

std::string TForm1::ShowText(std::string_view bytes) const { return ToUtf8(bytes, ShownCodePage()); }

// ---- Load ----

void TForm1::Button1Click() {
  const std::optional<std::string> path = host_.ChooseSaveFile();
  if (!path) return;
  LoadFile(*path);
}

void TForm1::LoadFile(const std::string& path) {
  LoadedSave loaded = LoadSaveFile(path);
  if (!loaded.Ok) {
    lastLoad_ = {path, false, loaded.Error, {}};
    ReportError(loaded.Error);
    return;
  }
  std::unique_ptr<GameModel> fresh = SaveAnalyse(loaded.Image, model_->Factors, model_.get());
  RecycleImage(std::move(loaded.Image));
  ShowLoadedModel(std::move(fresh), path, FileDate(loaded.ModifiedUnixSeconds));
}

std::optional<std::string> TForm1::LoadFileIfWhole(const std::string& path) {
  LoadedSave loaded = LoadSaveFile(path);
  if (!loaded.Ok) return loaded.Error;
  // No donor: the records of the shown model stay its own until the new one is known whole.
  std::unique_ptr<GameModel> fresh = SaveAnalyse(loaded.Image, model_->Factors, nullptr);
  RecycleImage(std::move(loaded.Image));
  if (fresh->Damage.Damaged) return path + ": " + DamageWarning(*fresh);
  Run([&] { ShowLoadedModel(std::move(fresh), path, FileDate(loaded.ModifiedUnixSeconds)); });
  return std::nullopt;
}

void TForm1::ShowLoadedModel(std::unique_ptr<GameModel> fresh, const std::string& path,
                             const std::string& date) {
  fresh->Factors = model_->Factors;  // the user's factors outlive a load
  model_ = std::move(fresh);
  const GameModel& m = *model_;
  autoCodePage_ = DetectSaveCodePage(m);
  lastLoad_ = {path, true, std::nullopt, {}};
  SelectorPlayers = {};

  Edit1.Text = path;
  Edit2.Text = date;
  ClearScoreTable();

  SessionListBox.Items.clear();
  for (const SessionListEntry& s : m.SessionList)
    SessionListBox.Items.push_back(Format("%3d%6d %s", s.Number, s.Year, s.Month.c_str()));
  Edit11.Text = Format("%3d", m.PreSessionCount);
  Run([&] { Edit11Change(); });

  const bool restricted = m.RestrictedView != 0;
  PlayerLogSelect.Visible = !restricted;
  PlayerInfoSelect.Visible = !restricted;
  ShowAICheckBox.Visible = !restricted;
  if (restricted) ShowAICheckBox.Checked = false;

  Run([&] {
    CheckValues();
    PrintData();
  });

  if (m.Damage.Damaged) {
    const std::string warning = DamageWarning(m);
    lastLoad_.Warnings.push_back(warning);
    host_.ShowWarning(warning);
  }
}

}  // namespace varnak::ui
