// Lines of play for the window's tests and the search for one that wins.
#include "tests/ui/WinningLine.h"

#include <functional>
#include <algorithm>
#include <map>
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
int promise(const EngineState& s, const SearchPlan& plan) {
    int score = 0;
    for (int f = 0; f < s.rules.foundations(); ++f) score += 100 * cardsIn(s.piles.foundations[static_cast<size_t>(f)]);
    score += 100 * cardsIn(s.piles.secondWaste());
    // Where the stock turns onto the second waste pile, a card kept in the stock is a move in hand.
    if (s.rules[rule::SecondWasteStyle] != 0) score += 60 * cardsIn(s.piles.stock());
    else score += plan.stockCard * cardsIn(s.piles.stock());
    for (int k = 0; k < s.rules.tableauPiles(); ++k) {
        const std::string& pile = s.piles.tableau[static_cast<size_t>(k)];
        if (pile.empty()) score += plan.emptyPile;
        for (int at = 0; at < positions(pile); ++at) {
            const int card = codeAt(pile, at);
            if (card == kGap) continue;
            if (s.cards.isFaceDown(card)) {
                score -= plan.faceDown;
                continue;
            }
            if (at == 0) continue;
            const int below = codeAt(pile, at - 1);
            const bool linked = below != kGap && !s.cards.isFaceDown(below) && rank(card) + 1 == rank(below);
            if (!linked || suitIndex(card) != suitIndex(below)) score -= plan.unlinked;
            if (!linked) continue;
            score += suitIndex(card) == suitIndex(below) ? plan.suitedLink
                     : isRed(card) != isRed(below)       ? plan.alternateLink
                                                         : plan.otherLink;
        }
    }
    for (int n = 0; n < s.rules.reserves(); ++n)
        if (s.piles.reserves[static_cast<size_t>(n)].empty()) score += 6;
    return score;
}

bool wonNow(const EngineState& s) { return s.flags[Flag::Won] || (s.flags[Flag::Ended] && winTest(s)); }

bool isStockPress(const PlayerAction& a) { return a.kind == PlayerAction::Kind::Click && a.key == "Mazzo"; }

// Of the moves between tableau piles of a one-suit-runs game, those worth trying.
bool worthTrying(const EngineState& s, const SearchPlan& plan, const PlayerAction& a) {
    if (!plan.suitedRunsOnly || a.kind != PlayerAction::Kind::Move) return true;
    const auto from = pileOf(s, a.card);
    const auto to = parsePileKey(a.key);
    if (!from || !to || from->collection != Collection::Tableau || to->collection != Collection::Tableau) return true;
    const std::string& pile = s.piles.tableau[static_cast<size_t>(from->slot)];
    const std::string& target = s.piles.tableau[static_cast<size_t>(to->slot)];
    const int onto = target.empty() ? kGap : topCard(target);
    if (onto != kGap && suitIndex(onto) == suitIndex(a.card)) return true;  // joins its suit
    const int at = findCode(pile, a.card);
    const int below = at > 0 ? codeAt(pile, at - 1) : kGap;
    const bool onLink = below != kGap && !s.cards.isFaceDown(below) && rank(below) == rank(a.card) + 1;
    if (onLink && suitIndex(below) == suitIndex(a.card)) return false;  // not the foot of its run
    if (onLink && onto != kGap) return false;                           // one link for another
    return !(at == 0 && onto == kGap);                                  // a whole pile to an empty one
}

struct Node {
    int parent;
    PlayerAction action;
};

// The search's bookkeeping: every table reached, by the action that reached it.
class Search {
public:
    Search(EngineState& s, const SearchPlan& plan) : s_(s), plan_(plan), seen_{fingerprint(s)} {}

    // Best-first from the table `root`, node `rootId`; the stock is left alone
    // when `noDeals`. Returns the node of a win, or, in `dealFrom`, the most
    // promising tables that a deal could be made from.
    struct Candidate {
        int score;
        int node;
        Position position;
    };
    std::optional<int> stretch(const Position& root, int rootId, bool noDeals, std::vector<Candidate>* dealFrom) {
        std::map<int, Position> open{{rootId, root}};
        std::set<std::pair<int, int>> frontier;
        restore(s_, root);
        note(rootId, dealFrom);
        frontier.insert({-promise(s_, plan_), rootId});
        constexpr size_t kFrontierLimit = 100000;
        for (int expanded = 0; expanded < plan_.positions && !frontier.empty(); ++expanded) {
            const int id = frontier.begin()->second;
            frontier.erase(frontier.begin());
            const Position here = std::move(open[id]);
            open.erase(id);
            restore(s_, here);
            for (const PlayerAction& action : legalActions(s_)) {
                if (noDeals && isStockPress(action)) continue;
                restore(s_, here);
                if (!worthTrying(s_, plan_, action) || !applyAction(s_, action)) continue;
                if (!seen_.insert(fingerprint(s_)).second) continue;
                const int child = add(id, action);
                if (wonNow(s_)) return child;
                if (s_.flags[Flag::Ended]) continue;
                note(child, dealFrom);
                open.emplace(child, take(s_));
                frontier.insert({-promise(s_, plan_), child});
                if (frontier.size() > kFrontierLimit) {
                    const auto worst = std::prev(frontier.end());
                    open.erase(worst->second);
                    frontier.erase(worst);
                }
            }
        }
        return std::nullopt;
    }

    // Stretch after stretch, each deal tried from the best tables of the one before.
    std::optional<int> byStretches(const Position& root, int rootId) {
        std::vector<Candidate> dealFrom;
        if (auto won = stretch(root, rootId, true, &dealFrom)) return won;
        for (const Candidate& c : dealFrom) {
            restore(s_, c.position);
            const PlayerAction deal{PlayerAction::Kind::Click, 0, "Mazzo"};
            if (!applyAction(s_, deal)) continue;
            seen_.insert(fingerprint(s_));
            const int child = add(c.node, deal);
            if (wonNow(s_)) return child;
            if (auto won = byStretches(take(s_), child)) return won;
        }
        return std::nullopt;
    }

    std::vector<PlayerAction> lineTo(int node) const {
        std::vector<PlayerAction> line;
        for (int at = node; at > 0; at = nodes_[static_cast<size_t>(at)].parent)
            line.insert(line.begin(), nodes_[static_cast<size_t>(at)].action);
        return line;
    }

private:
    int add(int parent, const PlayerAction& action) {
        nodes_.push_back({parent, action});
        return static_cast<int>(nodes_.size()) - 1;
    }

    // A table that the stock could deal onto joins the candidates when it is among the most promising.
    void note(int node, std::vector<Candidate>* dealFrom) {
        if (!dealFrom) return;
        const auto clicks = legalClicks(s_);
        if (std::find(clicks.begin(), clicks.end(), "Mazzo") == clicks.end()) return;
        const int score = promise(s_, plan_);
        if (static_cast<int>(dealFrom->size()) >= plan_.dealsFrom && score <= dealFrom->back().score) return;
        dealFrom->push_back({score, node, take(s_)});
        std::stable_sort(dealFrom->begin(), dealFrom->end(),
                         [](const Candidate& a, const Candidate& b) { return a.score > b.score; });
        if (static_cast<int>(dealFrom->size()) > plan_.dealsFrom) dealFrom->pop_back();
    }

    EngineState& s_;
    const SearchPlan& plan_;
    std::vector<Node> nodes_{{-1, {}}};
    std::unordered_set<std::size_t> seen_;
};

}  // namespace

SearchPlan planFor(const EngineState& state) {
    SearchPlan plan;
    const bool rowDeals = state.rules[rule::TableauRowDeal] != 0;
    // Sequences move as a unit only when they are of one suit.
    const bool suitedRuns = state.rules[rule::MovedSequenceBuilt] == 10;
    if (!rowDeals || !suitedRuns) return plan;
    plan.byStretches = true;
    plan.suitedRunsOnly = true;
    plan.suitedLink = 20;
    plan.alternateLink = plan.otherLink = 3;
    plan.unlinked = 8;
    plan.faceDown = 40;
    // A deal buries what lies on the tableau: it waits until the stretch has done what it can.
    plan.stockCard = 20;
    return plan;
}

std::optional<std::vector<PlayerAction>> findWinningLine(EngineState& s, const SearchPlan& plan) {
    const Position start = take(s);
    const bool autoplay = s.autoplayChecked;
    s.autoplayChecked = false;
    Search search(s, plan);
    const std::optional<int> won =
        plan.byStretches ? search.byStretches(start, 0) : search.stretch(start, 0, false, nullptr);
    restore(s, start);
    s.autoplayChecked = autoplay;
    if (!won) return std::nullopt;
    return search.lineTo(*won);
}

}  // namespace tarvelle::testing
