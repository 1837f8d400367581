// The four pile collections, pile strings, pile keys and pile numbers.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/RuleTable.h"

namespace tarvelle {

enum class Collection { StockGroup, Foundations, Tableau, Reserves };

// Slots of the stock group.
inline constexpr int kStock = 0;
inline constexpr int kWaste = 1;
inline constexpr int kSecondWaste = 2;

// Pile numbers of the waste and the stock; 0 means not found.
inline constexpr int kWastePileNumber = -98;
inline constexpr int kStockPileNumber = -99;

// Kinds of pile in which a card was found for removal.
enum class PileKind { NotFound = -1, Stock = 1, Waste = 2, SecondWaste = 3, Tableau = 4,
                      Foundation = 5, Reserve = 6 };

// The contents of every slot: card codes of three digits each, bottom card first.
struct Piles {
    std::array<std::string, kStockSlots> stockGroup;
    std::array<std::string, kFoundationSlots> foundations;
    std::array<std::string, kTableauSlots> tableau;
    std::array<std::string, kReserveSlots> reserves;

    // Nullptr for a slot that does not exist.
    std::string* pile(Collection collection, int slot);
    const std::string* pile(Collection collection, int slot) const;

    std::string& stock() { return stockGroup[kStock]; }
    std::string& waste() { return stockGroup[kWaste]; }
    std::string& secondWaste() { return stockGroup[kSecondWaste]; }
    const std::string& stock() const { return stockGroup[kStock]; }
    const std::string& waste() const { return stockGroup[kWaste]; }
    const std::string& secondWaste() const { return stockGroup[kSecondWaste]; }

    void clear();
    bool operator==(const Piles&) const = default;
};

int slotCount(Collection collection);

// A pile of the table named by collection and slot (0-based).
struct PileRef {
    Collection collection;
    int slot;
    bool operator==(const PileRef&) const = default;
};

// "Mazzo", "Mazzo_Vis", "Mazzo_Waste", "Dest3", "Fila12", "Appogg2"; nullopt for
// a command word or anything else that names no slot.
std::optional<PileRef> parsePileKey(std::string_view key);
std::string pileKey(PileRef pile);

// Pile strings. Positions count gaps; an incomplete last group is ignored.
inline int positions(std::string_view pile) { return static_cast<int>(pile.size() / 3); }
int codeAt(std::string_view pile, int position);  // 0-based from the bottom
int topCard(std::string_view pile);               // 0 for an empty pile
int bottomCard(std::string_view pile);            // 0 for an empty pile
void appendCode(std::string& pile, int code);
// The number of positions that hold a card (gaps are not cards).
int cardsIn(std::string_view pile);
// The 0-based position of the first occurrence of the code, or -1.
int findCode(std::string_view pile, int code);
std::vector<int> codesOf(std::string_view pile);

}  // namespace tarvelle
