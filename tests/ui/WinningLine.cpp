// Lines of play for the window's tests and the search for one that wins.
#include "tests/ui/WinningLine.h"

#include <functional>
#include <memory>
#include <set>
#include <unordered_set>

#include "engine/PlayerMoves.h"
#include "engine/Scoring.h"
#include "engine/Table.h"
#include "records/SettingsFields.h"

namespace tarvelle::testing {

std::string actionText(const PlayerAction& a) {
    if (a.kind == PlayerAction::Kind::Click) return "click " + a.key;
    return "move " + codeText(a.card) + " " + a.key;
}

std::optional<PlayerAction> parseAction(std::string_view text) {
    const auto space = text.find(' ');
    if (space == std::string_view::npos) return std::nullopt;
    const std::string_view verb = text.substr(0, space), rest = text.substr(space + 1);
    if (verb == "click" && parsePileKey(rest)) return PlayerAction{PlayerAction::Kind::Click, 0, std::string(rest)};
    const auto second = rest.find(' ');
    if (verb != "move" || second != 3) return std::nullopt;
    const int card = codeOf(rest.substr(0, 3));
    const std::string_view key = rest.substr(4);
    if (card < 1 || card > kCardCodes || !parsePileKey(key)) return std::nullopt;
    return PlayerAction{PlayerAction::Kind::Move, card, std::string(key)};
}

std::vector<PlayerAction> legalActions(const EngineState& state) {
    std::vector<PlayerAction> actions;
    for (const LegalMove& m : legalMoves(state)) actions.push_back({PlayerAction::Kind::Move, m.card, m.key});
    for (const std::string& key : legalClicks(state)) actions.push_back({PlayerAction::Kind::Click, 0, key});
    return actions;
}

bool applyAction(EngineState& state, const PlayerAction& a) {
    return a.kind == PlayerAction::Kind::Click ? playerClick(state, a.key) : playerMove(state, a.card, a.key);
}

namespace {

// What a line of play changes of the engine state, kept small: the search
// holds many of them.
struct Position {
    std::string piles;  // the pile strings of the snapshot's slots, each ended by '|'
    std::string faces;  // the face flag of every card code
    std::string score;
    StateFlags flags;
    GameCounters counters;
    int dealsMade = 0;
    int movesMade = 0;
};

Position take(const EngineState& s) {
    Position p{{}, {}, s.settings.get(setting::Score), s.flags, s.counters, s.catalogue.dealsMade(),
               s.catalogue.movesMade()};
    for (int line = 0; line < kSnapshotLines; ++line) {
        const PileRef slot = snapshotSlot(line);
        p.piles += *s.piles.pile(slot.collection, slot.slot);
        p.piles += '|';
    }
    for (int code = 1; code <= kCardCodes; ++code) p.faces += s.cards.faceFlag(code);
    return p;
}

void restore(EngineState& s, const Position& p) {
    size_t at = 0;
    for (int line = 0; line < kSnapshotLines; ++line) {
        const PileRef slot = snapshotSlot(line);
        const size_t end = p.piles.find('|', at);
        *s.piles.pile(slot.collection, slot.slot) = p.piles.substr(at, end - at);
        at = end + 1;
    }
    for (int code = 1; code <= kCardCodes; ++code) s.cards.setFaceFlag(code, p.faces[static_cast<size_t>(code - 1)]);
    s.settings.put(setting::Score, p.score);
    s.flags = p.flags;
    s.counters = p.counters;
    s.catalogue.setDealsMade(p.dealsMade);
    s.catalogue.setMovesMade(p.movesMade);
    // The search never undoes: the logs need not grow with it.
    s.undoLog.clear();
    s.redoLog.clear();
}

// Two tables that play on alike are one position: of a foundation and of
// the second waste pile only the number of cards and the top card count.
std::size_t fingerprint(const EngineState& s) {
    std::string text;
    for (int line = 0; line < kSnapshotLines; ++line) {
        const PileRef slot = snapshotSlot(line);
        const std::string& pile = *s.piles.pile(slot.collection, slot.slot);
        const bool discard = slot.collection == Collection::Foundations ||
                             (slot.collection == Collection::StockGroup && slot.slot == kSecondWaste);
        if (discard) text += std::to_string(positions(pile)) + (pile.empty() ? "" : pile.substr(pile.size() - 3));
        else text += pile;
        text += '|';
    }
    for (int code = 1; code <= kCardCodes; ++code) text += s.cards.faceFlag(code);
    return std::hash<std::string>{}(text);
}

// Higher is nearer a win: cards played off the tableau, cards turned up,
// empty piles, and cards lying on the card one rank above them.
int promise(const EngineState& s) {
    int score = 0;
    for (int f = 0; f < s.rules.foundations(); ++f) score += 100 * cardsIn(s.piles.foundations[static_cast<size_t>(f)]);
    score += 100 * cardsIn(s.piles.secondWaste());
    // Where the stock turns onto the second waste pile, a card kept in the stock is a move in hand.
    if (s.rules[rule::SecondWasteStyle] != 0) score += 60 * cardsIn(s.piles.stock());
    for (int k = 0; k < s.rules.tableauPiles(); ++k) {
        const std::string& pile = s.piles.tableau[static_cast<size_t>(k)];
        if (pile.empty()) score += 40;
        for (int at = 0; at < positions(pile); ++at) {
            const int card = codeAt(pile, at);
            if (card == kGap) continue;
            if (s.cards.isFaceDown(card)) {
                score -= 30;
                continue;
            }
            if (at == 0) continue;
            const int below = codeAt(pile, at - 1);
            if (below == kGap || s.cards.isFaceDown(below) || rank(card) + 1 != rank(below)) continue;
            score += suitIndex(card) == suitIndex(below) ? 8 : isRed(card) != isRed(below) ? 5 : 2;
        }
    }
    for (int n = 0; n < s.rules.reserves(); ++n)
        if (s.piles.reserves[static_cast<size_t>(n)].empty()) score += 6;
    return score;
}

bool wonNow(const EngineState& s) { return s.flags[Flag::Won] || (s.flags[Flag::Ended] && winTest(s)); }

struct Node {
    int parent;
    PlayerAction action;
};

}  // namespace

std::optional<std::vector<PlayerAction>> findWinningLine(EngineState& s, int budget) {
    const Position start = take(s);
    const bool autoplay = s.autoplayChecked;
    s.autoplayChecked = false;
    std::vector<Node> nodes{{-1, {}}};
    std::vector<std::unique_ptr<Position>> stored;
    stored.push_back(std::make_unique<Position>(start));
    std::set<std::pair<int, int>> frontier{{-promise(s), 0}};
    std::unordered_set<std::size_t> seen{fingerprint(s)};
    constexpr size_t kFrontierLimit = 200000;
    std::optional<int> winner;

    for (int expanded = 0; expanded < budget && !frontier.empty() && !winner; ++expanded) {
        const int id = frontier.begin()->second;
        frontier.erase(frontier.begin());
        const Position here = *stored[static_cast<size_t>(id)];
        stored[static_cast<size_t>(id)].reset();
        restore(s, here);
        for (const PlayerAction& action : legalActions(s)) {
            restore(s, here);
            if (!applyAction(s, action)) continue;
            if (!seen.insert(fingerprint(s)).second) continue;
            nodes.push_back({id, action});
            const int child = static_cast<int>(nodes.size()) - 1;
            if (wonNow(s)) {
                winner = child;
                break;
            }
            if (s.flags[Flag::Ended]) continue;
            stored.push_back(std::make_unique<Position>(take(s)));
            frontier.insert({-promise(s), child});
            if (frontier.size() > kFrontierLimit) {
                auto worst = std::prev(frontier.end());
                stored[static_cast<size_t>(worst->second)].reset();
                frontier.erase(worst);
            }
        }
    }
    restore(s, start);
    s.autoplayChecked = autoplay;
    if (!winner) return std::nullopt;
    std::vector<PlayerAction> line;
    for (int at = *winner; at > 0; at = nodes[static_cast<size_t>(at)].parent)
        line.insert(line.begin(), nodes[static_cast<size_t>(at)].action);
    return line;
}

}  // namespace tarvelle::testing
