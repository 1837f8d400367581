// The rule parameters by name: the index of each value of a game's rule column,
// and the names that the game definition files give them.
#pragma once

#include <span>
#include <string_view>

namespace tarvelle {

inline constexpr int kRuleCount = 374;

namespace rule {
// Single values.
inline constexpr int FoundationBasesFromDeal = 1;
inline constexpr int MovedSequenceBuilt = 2;
inline constexpr int TableauFan = 3;
inline constexpr int FoundationFan = 4;
inline constexpr int ReserveFan = 5;
inline constexpr int StockFaceState = 6;
inline constexpr int HasStock = 7;
inline constexpr int HasWaste = 8;
inline constexpr int ExtraFoundationCard = 10;
inline constexpr int MoveSize = 11;
inline constexpr int ReservePickUp = 12;
inline constexpr int Deals = 13;
inline constexpr int RedealKind = 14;
inline constexpr int StockTurnsWhen = 15;
inline constexpr int FoundationTakeBack = 16;
inline constexpr int WasteKind = 17;
inline constexpr int NoAutoplayButton = 18;
inline constexpr int NoSaveOrUndo = 20;
inline constexpr int StockTurnCount = 21;
inline constexpr int AutoFillSource = 22;
inline constexpr int TableauPileByPile = 23;
inline constexpr int GridRows = 24;
inline constexpr int GridColumns = 25;
inline constexpr int GridWidth = 27;
inline constexpr int AfterFoundationMove = 29;
inline constexpr int AfterDeal = 30;
inline constexpr int FoundationMost = 31;
inline constexpr int TableauMost = 32;
inline constexpr int Arrangement = 33;
inline constexpr int WasteRestriction = 34;
inline constexpr int SingleClickMoves = 36;
inline constexpr int ScreenWidthNeeded = 37;
inline constexpr int SelectionGame = 38;
inline constexpr int FirstMovesToFoundations = 39;
inline constexpr int FillFromStockAfterFirstMove = 40;
inline constexpr int AutoTurnUp = 41;
inline constexpr int SerpentineColumns = 42;
inline constexpr int DeckHasJokers = 43;
inline constexpr int ScoreOffset = 44;
inline constexpr int Kind40Target = 45;
inline constexpr int TargetScore = 46;
inline constexpr int GameKind = 47;
inline constexpr int SecondWasteCard = 268;
inline constexpr int WasteMovesAllowed = 269;
inline constexpr int WasteMovesForbidden = 270;
inline constexpr int StockStyle = 271;
inline constexpr int StockRow = 272;
inline constexpr int FoundationStyle = 273;
inline constexpr int FoundationRow = 274;
inline constexpr int TableauStyle = 275;
inline constexpr int TableauRow = 276;
inline constexpr int TableauGridRows = 277;
inline constexpr int ReserveStyle = 278;
inline constexpr int ReserveRow = 279;
inline constexpr int SecondWasteStyle = 280;
inline constexpr int SecondWasteRow = 281;
inline constexpr int StockPiles = 282;
inline constexpr int Foundations = 283;
inline constexpr int TableauPiles = 284;
inline constexpr int Reserves = 285;
inline constexpr int SecondWastePiles = 286;
inline constexpr int DeckCards = 287;
inline constexpr int StockDeal = 288;
inline constexpr int WasteDeal = 289;
inline constexpr int Jokers = 290;
inline constexpr int SecondWasteDeal = 347;
inline constexpr int CustomTurnCount = 364;
inline constexpr int CustomDeals = 365;
inline constexpr int CustomEmptyFill = 366;
inline constexpr int GroupTime = 367;
inline constexpr int GroupDifficulty = 368;
inline constexpr int GroupSkill = 369;
inline constexpr int GroupChance = 370;
inline constexpr int ChanceWins = 371;
inline constexpr int ChanceOutOf = 372;

// Per-pile blocks: the value of pile k (0-based) is at first + k.
inline constexpr int FoundationBase = 48;        // 16 values
inline constexpr int FoundationDirection = 64;   // 16
inline constexpr int FoundationBuilding = 80;    // 16
inline constexpr int FoundationStart = 96;       // 16
inline constexpr int TableauEmpty = 112;         // 28
inline constexpr int TableauDirection = 140;     // 28
inline constexpr int TableauBuilding = 168;      // 28
inline constexpr int TableauWrap = 196;          // 28
inline constexpr int TableauRowDeal = 224;       // 28
inline constexpr int ReserveKind = 252;          // 8
inline constexpr int ReserveRowDeal = 260;       // 8
inline constexpr int TableauDeal = 291;          // 28
inline constexpr int TableauFaceUp = 319;        // 28
inline constexpr int ReserveDeal = 348;          // 8
inline constexpr int ReserveFaceUp = 356;        // 8
}  // namespace rule

// Which count of piles a per-pile block follows.
enum class PileGroup { None, Foundations, Tableau, Reserves };

// One named value or block of the rule column.
struct RuleName {
    int first;         // index of the value, or of pile 1's value
    int count;         // 1 for a single value, else the block's length
    PileGroup group;   // for blocks: the piles it describes
    std::string_view name;
};

// Every name that a game definition may use, in index order.
std::span<const RuleName> ruleNames();

// The entry that names the index, or nullptr for an index without a name.
const RuleName* ruleNameOf(int index);

}  // namespace tarvelle
