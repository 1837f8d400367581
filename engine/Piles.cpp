// The four pile collections, pile strings, pile keys and pile numbers.
#include "engine/Piles.h"

#include <utility>

#include "engine/Cards.h"

namespace tarvelle {

std::string* Piles::pile(Collection collection, int slot) {
    return const_cast<std::string*>(std::as_const(*this).pile(collection, slot));
}

const std::string* Piles::pile(Collection collection, int slot) const {
    if (slot < 0 || slot >= slotCount(collection)) return nullptr;
    const auto s = static_cast<size_t>(slot);
    switch (collection) {
        case Collection::StockGroup: return &stockGroup[s];
        case Collection::Foundations: return &foundations[s];
        case Collection::Tableau: return &tableau[s];
        case Collection::Reserves: return &reserves[s];
    }
    return nullptr;
}

void Piles::clear() {
    for (auto& p : stockGroup) p.clear();
    for (auto& p : foundations) p.clear();
    for (auto& p : tableau) p.clear();
    for (auto& p : reserves) p.clear();
}

int slotCount(Collection collection) {
    switch (collection) {
        case Collection::StockGroup: return kStockSlots;
        case Collection::Foundations: return kFoundationSlots;
        case Collection::Tableau: return kTableauSlots;
        case Collection::Reserves: return kReserveSlots;
    }
    return 0;
}

namespace {

// The slot number written after a key's prefix: one or two digits, 1 up to the slots.
std::optional<int> slotNumber(std::string_view digits, Collection collection) {
    if (digits.empty() || digits.size() > 2) return std::nullopt;
    int n = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') return std::nullopt;
        n = n * 10 + (c - '0');
    }
    if (n < 1 || n > slotCount(collection)) return std::nullopt;
    return n - 1;
}

}  // namespace

std::optional<PileRef> parsePileKey(std::string_view key) {
    auto numbered = [&](size_t prefix, Collection c) -> std::optional<PileRef> {
        auto slot = slotNumber(key.substr(prefix), c);
        if (!slot) return std::nullopt;
        return PileRef{c, *slot};
    };
    if (key.starts_with("Fila")) return numbered(4, Collection::Tableau);
    if (key.starts_with("Dest")) return numbered(4, Collection::Foundations);
    if (key.starts_with("Appogg")) return numbered(6, Collection::Reserves);
    if (key == "Mazzo") return PileRef{Collection::StockGroup, kStock};
    if (key == "Mazzo_Vis") return PileRef{Collection::StockGroup, kWaste};
    if (key == "Mazzo_Waste") return PileRef{Collection::StockGroup, kSecondWaste};
    return std::nullopt;
}

std::string pileKey(PileRef pile) {
    const std::string n = std::to_string(pile.slot + 1);
    switch (pile.collection) {
        case Collection::StockGroup:
            return pile.slot == kStock ? "Mazzo" : pile.slot == kWaste ? "Mazzo_Vis" : "Mazzo_Waste";
        case Collection::Foundations: return "Dest" + n;
        case Collection::Tableau: return "Fila" + n;
        case Collection::Reserves: return "Appogg" + n;
    }
    return {};
}

int codeAt(std::string_view pile, int position) {
    if (position < 0 || position >= positions(pile)) return 0;
    int code = codeOf(pile.substr(static_cast<size_t>(position) * 3, 3));
    return code < 0 ? 0 : code;
}

int topCard(std::string_view pile) { return codeAt(pile, positions(pile) - 1); }
int bottomCard(std::string_view pile) { return codeAt(pile, 0); }

void appendCode(std::string& pile, int code) {
    pile.resize(pile.size() / 3 * 3);
    pile += codeText(code);
}

int cardsIn(std::string_view pile) {
    int n = 0;
    for (int i = 0; i < positions(pile); ++i)
        if (codeAt(pile, i) != kGap) ++n;
    return n;
}

int findCode(std::string_view pile, int code) {
    const std::string text = codeText(code);
    for (int i = 0; i < positions(pile); ++i)
        if (pile.substr(static_cast<size_t>(i) * 3, 3) == text) return i;
    return -1;
}

std::vector<int> codesOf(std::string_view pile) {
    std::vector<int> codes;
    codes.reserve(static_cast<size_t>(positions(pile)));
    for (int i = 0; i < positions(pile); ++i) codes.push_back(codeAt(pile, i));
    return codes;
}

}  // namespace tarvelle
