// The rule parameters by name: the index of each value of a game's rule column,
// and the names that the game definition files give them.
#include "engine/RuleParameters.h"

#include <array>

namespace tarvelle {

namespace {

using G = PileGroup;

constexpr std::array kNames{
    RuleName{rule::FoundationBasesFromDeal, 1, G::None, "foundation_bases_from_deal"},
    RuleName{rule::MovedSequenceBuilt, 1, G::None, "moved_sequence_built"},
    RuleName{rule::TableauFan, 1, G::None, "tableau_fan"},
    RuleName{rule::FoundationFan, 1, G::None, "foundation_fan"},
    RuleName{rule::ReserveFan, 1, G::None, "reserve_fan"},
    RuleName{rule::StockFaceState, 1, G::None, "stock_face_down"},
    RuleName{rule::HasStock, 1, G::None, "has_stock"},
    RuleName{rule::HasWaste, 1, G::None, "has_waste"},
    RuleName{rule::ExtraFoundationCard, 1, G::None, "extra_foundation_card"},
    RuleName{rule::MoveSize, 1, G::None, "move_size"},
    RuleName{rule::ReservePickUp, 1, G::None, "reserve_pick_up"},
    RuleName{rule::Deals, 1, G::None, "deals"},
    RuleName{rule::RedealKind, 1, G::None, "redeal_kind"},
    RuleName{rule::StockTurnsWhen, 1, G::None, "stock_turns_when"},
    RuleName{rule::FoundationTakeBack, 1, G::None, "foundation_take_back"},
    RuleName{rule::WasteKind, 1, G::None, "waste_kind"},
    RuleName{rule::NoAutoplayButton, 1, G::None, "no_autoplay_button"},
    RuleName{rule::NoSaveOrUndo, 1, G::None, "no_save_or_undo"},
    RuleName{rule::StockTurnCount, 1, G::None, "stock_turn_count"},
    RuleName{rule::AutoFillSource, 1, G::None, "auto_fill_source"},
    RuleName{rule::TableauPileByPile, 1, G::None, "tableau_pile_by_pile"},
    RuleName{rule::GridRows, 1, G::None, "grid_rows"},
    RuleName{rule::GridColumns, 1, G::None, "grid_columns"},
    RuleName{rule::GridWidth, 1, G::None, "grid_width"},
    RuleName{rule::AfterFoundationMove, 1, G::None, "after_foundation_move"},
    RuleName{rule::AfterDeal, 1, G::None, "after_deal"},
    RuleName{rule::FoundationMost, 1, G::None, "foundation_most"},
    RuleName{rule::TableauMost, 1, G::None, "tableau_most"},
    RuleName{rule::Arrangement, 1, G::None, "arrangement"},
    RuleName{rule::WasteRestriction, 1, G::None, "waste_restriction"},
    RuleName{rule::SingleClickMoves, 1, G::None, "single_click_moves"},
    RuleName{rule::ScreenWidthNeeded, 1, G::None, "screen_width_needed"},
    RuleName{rule::SelectionGame, 1, G::None, "selection_game"},
    RuleName{rule::FirstMovesToFoundations, 1, G::None, "first_moves_to_foundations"},
    RuleName{rule::FillFromStockAfterFirstMove, 1, G::None, "fill_from_stock_after_first_move"},
    RuleName{rule::AutoTurnUp, 1, G::None, "auto_turn_up"},
    RuleName{rule::SerpentineColumns, 1, G::None, "serpentine_columns"},
    RuleName{rule::DeckHasJokers, 1, G::None, "deck_has_jokers"},
    RuleName{rule::ScoreOffset, 1, G::None, "score_offset"},
    RuleName{rule::Kind40Target, 1, G::None, "kind40_target"},
    RuleName{rule::TargetScore, 1, G::None, "target_score"},
    RuleName{rule::GameKind, 1, G::None, "game_kind"},
    RuleName{rule::FoundationBase, 16, G::Foundations, "foundation.base"},
    RuleName{rule::FoundationDirection, 16, G::Foundations, "foundation.direction"},
    RuleName{rule::FoundationBuilding, 16, G::Foundations, "foundation.building"},
    RuleName{rule::FoundationStart, 16, G::Foundations, "foundation.start"},
    RuleName{rule::TableauEmpty, 28, G::Tableau, "tableau.empty"},
    RuleName{rule::TableauDirection, 28, G::Tableau, "tableau.direction"},
    RuleName{rule::TableauBuilding, 28, G::Tableau, "tableau.building"},
    RuleName{rule::TableauWrap, 28, G::Tableau, "tableau.wrap"},
    RuleName{rule::TableauRowDeal, 28, G::Tableau, "tableau.row_deal"},
    RuleName{rule::ReserveKind, 8, G::Reserves, "reserve.kind"},
    RuleName{rule::ReserveRowDeal, 8, G::Reserves, "reserve.row_deal"},
    RuleName{rule::SecondWasteCard, 1, G::None, "second_waste_card"},
    RuleName{rule::WasteMovesAllowed, 1, G::None, "waste_moves_allowed"},
    RuleName{rule::WasteMovesForbidden, 1, G::None, "waste_moves_forbidden"},
    RuleName{rule::StockStyle, 1, G::None, "stock.style"},
    RuleName{rule::StockRow, 1, G::None, "stock.row"},
    RuleName{rule::FoundationStyle, 1, G::None, "foundation.style"},
    RuleName{rule::FoundationRow, 1, G::None, "foundation.row"},
    RuleName{rule::TableauStyle, 1, G::None, "tableau.style"},
    RuleName{rule::TableauRow, 1, G::None, "tableau.row"},
    RuleName{rule::TableauGridRows, 1, G::None, "tableau.grid_rows"},
    RuleName{rule::ReserveStyle, 1, G::None, "reserve.style"},
    RuleName{rule::ReserveRow, 1, G::None, "reserve.row"},
    RuleName{rule::SecondWasteStyle, 1, G::None, "second_waste.style"},
    RuleName{rule::SecondWasteRow, 1, G::None, "second_waste.row"},
    RuleName{rule::StockPiles, 1, G::None, "stock_piles"},
    RuleName{rule::Foundations, 1, G::None, "foundations"},
    RuleName{rule::TableauPiles, 1, G::None, "tableau_piles"},
    RuleName{rule::Reserves, 1, G::None, "reserves"},
    RuleName{rule::SecondWastePiles, 1, G::None, "second_waste_piles"},
    RuleName{rule::DeckCards, 1, G::None, "deck_cards"},
    RuleName{rule::StockDeal, 1, G::None, "stock.deal"},
    RuleName{rule::WasteDeal, 1, G::None, "waste.deal"},
    RuleName{rule::Jokers, 1, G::None, "jokers"},
    RuleName{rule::TableauDeal, 28, G::Tableau, "tableau.deal"},
    RuleName{rule::TableauFaceUp, 28, G::Tableau, "tableau.face_up"},
    RuleName{rule::SecondWasteDeal, 1, G::None, "second_waste.deal"},
    RuleName{rule::ReserveDeal, 8, G::Reserves, "reserve.deal"},
    RuleName{rule::ReserveFaceUp, 8, G::Reserves, "reserve.face_up"},
    RuleName{rule::CustomTurnCount, 1, G::None, "custom.turn_count"},
    RuleName{rule::CustomDeals, 1, G::None, "custom.deals"},
    RuleName{rule::CustomEmptyFill, 1, G::None, "custom.empty_fill"},
    RuleName{rule::GroupTime, 1, G::None, "group.time"},
    RuleName{rule::GroupDifficulty, 1, G::None, "group.difficulty"},
    RuleName{rule::GroupSkill, 1, G::None, "group.skill"},
    RuleName{rule::GroupChance, 1, G::None, "group.chance"},
    RuleName{rule::ChanceWins, 1, G::None, "chance.wins"},
    RuleName{rule::ChanceOutOf, 1, G::None, "chance.out_of"},
};

constexpr bool namesAreInOrder() {
    for (size_t i = 1; i < kNames.size(); ++i)
        if (kNames[i].first < kNames[i - 1].first + kNames[i - 1].count) return false;
    return kNames.back().first + kNames.back().count <= kRuleCount;
}
static_assert(namesAreInOrder(), "rule names must be in index order without overlaps");

}  // namespace

std::span<const RuleName> ruleNames() { return kNames; }

const RuleName* ruleNameOf(int index) {
    for (const RuleName& n : kNames)
        if (index >= n.first && index < n.first + n.count) return &n;
    return nullptr;
}

}  // namespace tarvelle
