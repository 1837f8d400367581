// Which picture marks an empty pile: the empty-pile and rank marks of each pile kind.
#include "table/PileMarks.h"

namespace tarvelle {

namespace {

constexpr int kNoMarkAtAll = 94;

const char* const kWasteMark = "_WASTE";
const char* const kTableauMark = "_TABLEAU";
const char* const kFillMark = "004";
const char* const kNoRedealMark = "008";
const char* const kRedealMark = "022";
const char* const kStockOfEndRule8 = "021";

bool redealLeft(int made, int limit) {
    return made < limit || limit == -1;
}

std::optional<std::string> stockMark(const EngineState& s) {
    const RuleTable& r = s.rules;
    const int limit = r[rule::Deals], made = s.catalogue.dealsMade();
    if (r[rule::GameKind] == 8) return kStockOfEndRule8;
    if (r[rule::RedealKind] >= 1 && redealLeft(made, limit)) return kRedealMark;
    if (cardsIn(s.piles.waste()) <= 1) return kNoRedealMark;
    return made < limit || limit < 0 ? kRedealMark : kNoRedealMark;
}

std::optional<std::string> wasteMark(const EngineState& s) {
    const RuleTable& r = s.rules;
    const int limit = r[rule::Deals], made = s.catalogue.dealsMade();
    if (r[rule::HasStock] == 1) return kWasteMark;
    if (limit == 0) return kNoRedealMark;
    if (r[rule::RedealKind] == 0 || r[rule::HasStock] != 0) return std::nullopt;
    return redealLeft(made, limit) ? kRedealMark : kNoRedealMark;
}

}  // namespace

std::optional<std::string> rankMarkSuffix(int value) {
    switch (value) {
        case 1:
        case 58:
        case 81:
        case 85: return "010";
        case 2:
        case 90: return "012";
        case 11: return "006";
        case 12: return "003";
        case 13:
        case 64:
        case 84: return "011";
        default: break;
    }
    if (value >= 3 && value <= 10) return "0" + std::to_string(10 + value);
    return std::nullopt;
}

std::optional<std::string> markOf(const EngineState& state, PileRef pile) {
    const RuleTable& r = state.rules;
    switch (pile.collection) {
        case Collection::StockGroup:
            if (pile.slot == kStock) return stockMark(state);
            if (pile.slot == kWaste) return wasteMark(state);
            return kWasteMark;
        case Collection::Foundations: {
            const int start = r[rule::FoundationBase + pile.slot];
            if (start == kNoMarkAtAll) return std::nullopt;
            if (r[rule::FoundationBuilding + pile.slot] == 10) return rankMarkSuffix(12);
            if (auto mark = rankMarkSuffix(start)) return mark;
            return kFillMark;
        }
        case Collection::Tableau: {
            const int fill = r[rule::TableauEmpty + pile.slot];
            if (fill == kNoMarkAtAll) return std::nullopt;
            if (auto mark = rankMarkSuffix(fill)) return mark;
            return r[rule::TableauEmpty] == 0 ? kTableauMark : kFillMark;
        }
        case Collection::Reserves: {
            const int kind = r[rule::ReserveKind];
            return kind == 9 ? "009" : kind == 8 ? "011" : "001";
        }
    }
    return std::nullopt;
}

}  // namespace tarvelle
