// The stock: a press on it, turning cards, row deals, the redeal of the waste and the redeal of the tableau.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/EngineState.h"

namespace tarvelle {

// What a press on the stock does.
enum class StockPressKind {
    Nothing,
    Word,               // the dispatcher runs the word
    FillGapsFirst,      // the player is told to fill the gaps of the tableau first
    TwoReserveDeals,    // "Add_Reserves" twice
    TripleReserveDeal,  // "Add_Reserve_" 1 or 2, three times, one undo step
};

struct StockPressPlan {
    StockPressKind kind = StockPressKind::Nothing;
    std::string word;
};

StockPressPlan planStockPress(const EngineState& state);

// A press on the stock; true when it changed the table.
bool stockPress(EngineState& state);

// Whether a press on the stock would change the table now.
bool stockPressWouldAct(const EngineState& state);
// Whether the dispatcher would act on the stock word or row deal now.
bool stockWordWouldAct(const EngineState& state, std::string_view word);

// The dispatcher's stock words ("Mazzo", "Mazzo_Vis", "Mazzo_Waste", "Mazzo_Redeal").
bool stockAction(EngineState& state, std::string_view word);
// The dispatcher's row deals ("Add_Tableaus", "Add_Tableaus_Last", "Fill_Tableaus",
// "Add_Reserves", "Add_Reserve_" + n).
bool rowDeal(EngineState& state, std::string_view word);

// Gathers, mixes and deals the tableau again by rule 14.
void redealTableau(EngineState& state);

// The redeal order of the gathered cards.
std::vector<int> mixForRedeal(std::vector<int> gathered);

// Where the empty-stock marker is drawn: the stock when the game has one (rule 7), else the waste.
PileRef emptyStockMarkerPile(const EngineState& state);

}  // namespace tarvelle
