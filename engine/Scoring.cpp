// The score of the game on the table and the win test.
#include "engine/Scoring.h"

#include <string>

#include "engine/EndOfGame.h"
#include "records/SettingsFields.h"

namespace tarvelle {

namespace {

const std::string& tableau(const EngineState& s, int k) { return s.piles.tableau[static_cast<size_t>(k)]; }

bool allTableau(const EngineState& s, auto test) {
    for (int k = 0; k < s.rules.tableauPiles(); ++k)
        if (!test(tableau(s, k))) return false;
    return true;
}

bool onlyGaps(const std::string& pile) { return cardsIn(pile) == 0; }

bool ordinaryWin(const EngineState& s, bool gapsCount) {
    if (!s.piles.stock().empty() || !s.piles.waste().empty()) return false;
    for (int k = 0; k < s.rules.reserves(); ++k)
        if (!s.piles.reserves[static_cast<size_t>(k)].empty()) return false;
    return allTableau(s, [&](const std::string& p) { return gapsCount ? onlyGaps(p) : p.empty(); });
}

// A row of the gaps game: a two at the bottom, the rest of its suit one rank up.
int runFromTwo(const std::string& pile, int last) {
    if (last < 1 || rank(codeAt(pile, 0)) != 2) return 0;
    int run = 1;
    for (int at = 1; at < last; ++at) {
        const int below = codeAt(pile, at - 1), card = codeAt(pile, at);
        if (card == kGap || suitIndex(card) != suitIndex(below) || rank(card) != rank(below) + 1) break;
        ++run;
    }
    return run;
}

bool gapsRowDone(const std::string& pile) {
    const int n = positions(pile);
    return n >= 2 && codeAt(pile, n - 1) == kGap && runFromTwo(pile, n - 1) == n - 1;
}

int standardScore(const EngineState& s) {
    if (s.settings.get(setting::ScoringCode) != "01") return 0;
    int onFoundations = 0;
    for (int k = 0; k < s.rules.foundations(); ++k) onFoundations += cardsIn(s.piles.foundations[static_cast<size_t>(k)]);
    return 5 * s.rules[rule::ScoreOffset] + 5 * cardsIn(s.piles.secondWaste()) - s.rules[rule::DeckCards] -
           5 * s.rules[rule::Jokers] + 5 * onFoundations;
}

int gapsScore(const EngineState& s) {
    int score = 5 * s.rules[rule::ScoreOffset] - s.rules[rule::DeckCards];
    for (int k = 0; k < s.rules.tableauPiles(); ++k) {
        const std::string& pile = tableau(s, k);
        score += 5 * runFromTwo(pile, positions(pile) - 1);
    }
    return score;
}

int placedPilesScore(const EngineState& s) {
    int score = -s.rules[rule::DeckCards];
    for (int k = 0; k < s.rules.tableauPiles(); ++k) {
        const int bottom = bottomCard(tableau(s, k));
        if (bottom == kGap || (bottom != k + 1 && bottom != k + 14)) break;
        score += 10;
    }
    return score;
}

int rankByPileScore(const EngineState& s) {
    int score = -s.rules[rule::DeckCards];
    for (int k = 0; k < s.rules.tableauPiles(); ++k)
        for (int card : codesOf(tableau(s, k)))
            if (card != kGap && !s.cards.isFaceDown(card) && rank(card) == k + 1) score += 5;
    return score;
}

int emptyFoundationsScore(const EngineState& s) {
    int score = -s.rules[rule::DeckCards];
    for (int k = 1; k < s.rules.foundations(); ++k)
        if (s.piles.foundations[static_cast<size_t>(k)].empty()) score += 20;
    return score;
}

int expectedRanksScore(const EngineState& s) {
    int score = -s.rules[rule::DeckCards];
    for (int k = 0; k < s.rules.tableauPiles(); ++k) {
        const std::string& pile = tableau(s, k);
        int expected = rank(bottomCard(pile));
        for (int at = 0; at < positions(pile); ++at, expected = nextRankWrapping(expected))
            if (codeAt(pile, at) != kGap && rank(codeAt(pile, at)) == expected) score += 5;
    }
    return score;
}

// Game kind 40 is lost once the four kings lie on pile 13 short of the target.
bool kingsBuriedOnLastPile(const EngineState& s) {
    if (s.rules.tableauPiles() < 13) return false;
    const std::string& pile = tableau(s, 12);
    for (int king : {13, 26, 39, 52})
        if (findCode(pile, king) < 0) return false;
    return true;
}

}  // namespace

bool winTest(const EngineState& state) {
    const int kind = state.rules[rule::GameKind];
    switch (kind) {
        case 9: return allTableau(state, [](const std::string& p) { return cardsIn(p) >= 1; });
        case 21:
        case 22: return state.piles.stock().empty() && cardsIn(tableau(state, 0)) <= 4;
        case 27: return allTableau(state, [](const std::string& p) { return cardsIn(p) == 1; });
        case 31:
            return state.piles.stock().empty() &&
                   allTableau(state, [](const std::string& p) { return cardsIn(p) == 1 && rank(topCard(p)) == 1; });
        case 32: return allTableau(state, gapsRowDone);
        case 34:
        case 35:
        case 36:
        case 37:
        case 39:
        case 40:
        case 42: return currentScore(state) >= state.rules[rule::TargetScore];
        case 41:
            for (int k = 1; k < state.rules.foundations(); ++k)
                if (!state.piles.foundations[static_cast<size_t>(k)].empty()) return false;
            return true;
        default: return ordinaryWin(state, kind == 4);
    }
}

std::optional<int> scoreOf(const EngineState& state) {
    const int n = state.rules[rule::DeckCards];
    const int secondWaste = cardsIn(state.piles.secondWaste());
    const GameCounters& c = state.counters;
    switch (state.rules[rule::GameKind]) {
        case 9: return std::nullopt;
        case 32: return gapsScore(state);
        case 34: return placedPilesScore(state);
        case 35: return -n + 10 * secondWaste;
        case 36: return 15 * c.matches - 52 - c.misses;
        case 37: return -52 - 2 * c.misses + 10 * (secondWaste / 2);
        case 39: return -52 - c.misses + 7 * (secondWaste / 2);
        case 38: return -n + 10 * c.matches;
        case 40: return rankByPileScore(state);
        case 41: return emptyFoundationsScore(state);
        case 42: return expectedRanksScore(state);
        default: return standardScore(state);
    }
}

void computeScore(EngineState& state) {
    const auto score = scoreOf(state);
    if (!score) {
        state.host.refreshSpecialDisplays(0);
        return;
    }
    state.settings.put(setting::Score, std::to_string(*score));
    state.host.showScore();
    const int kind = state.rules[rule::GameKind];
    const int firstBuilding = state.rules[rule::FoundationBuilding];
    if (kind == 10 || firstBuilding == 72 || firstBuilding == 75) state.host.refreshSpecialDisplays(0);
    if (kind == 40 && state.flags[Flag::InProgress] && *score != state.rules[rule::Kind40Target] &&
        kingsBuriedOnLastPile(state)) {
        showInformation(state.host, "The game is lost.");
        endOfGame(state);
        state.host.repaintTable();
    }
}

int currentScore(const EngineState& state) {
    auto score = state.settings.getNumber(setting::Score);
    return score ? static_cast<int>(*score) : 0;
}

void addToScore(EngineState& state, int cards, bool recompute) {
    if (state.rules[rule::GameKind] == 9) return;
    if (recompute) {
        computeScore(state);
        return;
    }
    if (state.settings.get(setting::ScoringCode) != "01") return;
    state.settings.put(setting::Score, std::to_string(currentScore(state) + 5 * cards));
    state.host.showScore();
}

}  // namespace tarvelle
