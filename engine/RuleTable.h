// The rule table of the current game: 374 signed 16-bit parameters and the saved per-pile copy.
#pragma once

#include <array>
#include <cstdint>

#include "engine/RuleParameters.h"

namespace tarvelle {

inline constexpr int kFoundationSlots = 16;
inline constexpr int kTableauSlots = 28;
inline constexpr int kReserveSlots = 8;
inline constexpr int kStockSlots = 3;

class RuleTable {
public:
    // Parameter n; 0 for an index outside the table.
    int operator[](int index) const {
        return index >= 0 && index < kRuleCount ? values_[static_cast<size_t>(index)] : 0;
    }
    // Stores the value truncated to 16 bits, as the rule file's values are.
    void set(int index, long long value) {
        if (index >= 0 && index < kRuleCount)
            values_[static_cast<size_t>(index)] = static_cast<std::int16_t>(value);
    }
    void clear(int first, int last) {
        for (int i = first; i <= last; ++i) set(i, 0);
    }

    // The pile counts of the game, kept inside the slots that exist.
    int foundations() const { return clamp(rule::Foundations, kFoundationSlots); }
    int tableauPiles() const { return clamp(rule::TableauPiles, kTableauSlots); }
    int reserves() const { return clamp(rule::Reserves, kReserveSlots); }

    // Dealing overwrites the foundation base ranks and the tableau fill values;
    // the copy taken after loading brings them back before the next deal.
    void savePerPile();
    void restorePerPile();

    bool operator==(const RuleTable&) const = default;

private:
    int clamp(int index, int most) const {
        int v = (*this)[index];
        return v < 0 ? 0 : v > most ? most : v;
    }

    std::array<std::int16_t, kRuleCount> values_{};
    std::array<std::int16_t, kFoundationSlots> savedFoundationBases_{};
    std::array<std::int16_t, kTableauSlots> savedTableauEmpty_{};
};

inline void RuleTable::savePerPile() {
    for (int k = 0; k < kFoundationSlots; ++k)
        savedFoundationBases_[static_cast<size_t>(k)] =
            values_[static_cast<size_t>(rule::FoundationBase + k)];
    for (int k = 0; k < kTableauSlots; ++k)
        savedTableauEmpty_[static_cast<size_t>(k)] =
            values_[static_cast<size_t>(rule::TableauEmpty + k)];
}

inline void RuleTable::restorePerPile() {
    for (int k = 0; k < kFoundationSlots; ++k)
        values_[static_cast<size_t>(rule::FoundationBase + k)] =
            savedFoundationBases_[static_cast<size_t>(k)];
    for (int k = 0; k < kTableauSlots; ++k)
        values_[static_cast<size_t>(rule::TableauEmpty + k)] =
            savedTableauEmpty_[static_cast<size_t>(k)];
}

}  // namespace tarvelle
