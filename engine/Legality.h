// Move legality: whether a card may be picked up and whether it may go on a pile.
#pragma once

#include <optional>
#include <string_view>

#include "engine/EngineState.h"

namespace tarvelle {

// The building kinds of foundations (rule 80 + k) and tableau piles (rule 168 + k).
// A value without a name builds as AnySuit.
enum class BuildingKind {
    SameSuit = 0,
    SameColour = 1,
    AnySuit = 2,
    AlternateColours = 3,
    Never = 4,
    FoundationRowBySuit = 5,
    OnlyOntoEmpty = 6,
    EmptyOnlyWhileStockEmpty = 7,
    QueenOntoEmptyFoundation = 10,
    SameSuitNoQueenOnKingOrJack = 11,
    Always = 12,
    UpByTwoWrapping = 14,
    UpByThreeWrapping = 15,
    UpByFourWrapping = 16,
    AnyNotFromTableau = 17,
    TableauCardsOnlyOntoEmpty = 18,
    AnyNotFromTableauOrReserve = 19,
    UpOrAceOnKing = 20,
    DifferentSuit = 21,
    SuitStillShownInTableau = 22,
    SameSuitUpWhileWasteEmpty = 23,
    SameSuitNoQueenKingPair = 24,
    SameSuitByTwo = 25,
    AdjacentOntoShortPile = 26,
    AlternateColoursNotFromFoundationOrReserve = 27,
    AdjacentNoWrap = 28,
    SameSuitUpThenKingThenDown = 29,
    SameSuitContinuingDirection = 30,
    SameSuitDownNothingOnAce = 31,
    SameSuitUpNothingOnKing = 32,
    NotFromTableauOntoShortPile = 33,
    DownAnySuitOneCardOntoCard = 34,
    AdjacentWrapping = 35,
    DownOrKingOnAceFilledInOrder = 36,
    DoubleRank = 37,
    KingRow = 38,
    AceOnEmptyUpBelowQueen = 39,
    RankOfSpecialCounter = 40,
    SameSuitByTwoFourSuitsPerGroup = 41,
    SameSuitUpKingAfterPartner = 42,
    SameSuitUpByTwo = 43,
    AceOnEmptyUpBelowKing = 44,
    KingRowOrDown = 45,
    UpBelowQueen = 46,
    DownNoQueen = 47,
    QueenRow = 48,
    UpBelowQueenWhilePileHolds = 49,
    DownNoQueenWhilePartnerHolds = 50,
    UpBelowQueenInPileSuit = 51,
    DownNoQueenInPartnerSuit = 52,
    UpAfterFirstFoundationFull = 53,
    DownNotFromReserve = 54,
    UpSameColourWasteFirst = 55,
    SameRank = 56,
    AdjacentWrappingWhileStockEmpty = 57,
    PairedFoundations = 58,
    AdjacentNoWrapSameSuit = 60,
    SameSuitByTwoTurning = 61,
    CourtCardsFollowPartners = 62,
    SameSuitFirstDealByHalves = 63,
    PairedFoundationsAlso = 64,
    OnlyEmptyNotFromTableau = 67,
    AdjacentWrappingOntoCard = 68,
    OnlyEmptyTableau = 69,
    OnlyEmptyFromNeighbourCell = 70,
    OnlyEmptyByJump = 71,
    JokersStandIn = 72,
    RankOfPileNumber = 73,
    JokersStandInSameSuit = 75,
};

// What an empty pile accepts (rule 112 + k for tableau piles, the base rank
// 48 + k for foundations). Any other value accepts a card of that rank.
enum class EmptyValue {
    AnyCard = -1,
    NoCard = 0,
    King = 13,
    BalancedAce = 81,
    NothingForRuns = 82,
    NothingForSuitRuns = 83,
    BalancedKingNewSuit = 84,
    BalancedAceNewSuit = 85,
    AnySingleCard = 86,
    AnyPlayedCard = 87,
    AnyNotFromTableau = 88,
    BalancedTwoNewSuit = 90,
    BelowFoundationBase = 91,
    RankOfStartedFoundations = 92,
    RankOfStartedFoundationsNotFromTableau = 93,
};

// The reserve kinds (rule 252 + n).
enum class ReserveKind {
    Closed = 4,
    KingsWhileFirstShort = 8,
    CourtCardOntoEmpty = 9,
    AnyWhileFirstShort = 13,
};

// The inputs of the general rule: lower card L (0 for an empty pile), moving
// card M, empty value E, building kind B, direction D, base rank O.
struct FitQuery {
    int lower = 0;
    int moving = 0;
    int emptyValue = 0;
    bool drop = true;
    int pile = 0;  // 0-based
    int wrap = 0;  // the tableau wrap value; foundations always wrap
    bool foundation = false;
    int building = 0;
    int direction = 0;
    int base = 0;
};

// Where a card lies and how many cards would move with it.
struct MovingCards {
    int card = 0;
    std::optional<PileRef> from;  // nullopt when the card lies nowhere
    int position = -1;            // 0-based from the bottom of its pile
    int count = 0;                // the card and every position above it
    bool single() const { return count == 1; }
};

MovingCards movingCards(const EngineState& state, int card);

// The general rule with the building kinds.
bool cardFits(const EngineState& state, const FitQuery& query);

// The tests of the three kinds of destination (k and n 0-based). By card
// code the foundation test takes the card alone, as the deal's play-outs do.
bool foundationTest(const EngineState& state, int k, int card);
bool tableauTest(const EngineState& state, int k, int card);
bool reserveTest(const EngineState& state, int n, int card);
bool foundationTest(const EngineState& state, int k, const MovingCards& moving);
bool tableauTest(const EngineState& state, int k, const MovingCards& moving);
bool reserveTest(const EngineState& state, int n, const MovingCards& moving);

// "Dest", "Fila" and "Appogg" keys go to their tests; any other key gives false.
// Before the game's first move only tableau-to-foundation moves pass (rule 39).
bool mayDrop(const EngineState& state, int card, std::string_view key);
bool mayDrop(const EngineState& state, const MovingCards& moving, PileRef target);

// Every adjacent pair from the card to the top of its pile fits by the rule of tableau pile k.
bool sequenceIsBuilt(const EngineState& state, int card, int k);
// Rule 11: whether the card and those above it may move at once.
bool sequenceSizeAllowed(const EngineState& state, const MovingCards& moving, bool toEmptyPile);

// Whether the player may pick the card up from the pile the key names.
bool mayPickUp(const EngineState& state, int card, std::string_view key);
bool mayPickUp(const EngineState& state, const MovingCards& moving);

// Rule 39 before the game's first move.
bool onlyTableauToFoundationYet(const EngineState& state);

// In a grid of tableau piles (rules 24, 25) every pile below this one in its column is empty.
bool columnIsFree(const EngineState& state, int k);

}  // namespace tarvelle
