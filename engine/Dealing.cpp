// Preparing the table for a game, starting a game and the deal itself.
#include "engine/Dealing.h"

#include <algorithm>
#include <functional>

#include "engine/AutoMoves.h"
#include "engine/Legality.h"
#include "engine/RuleLoading.h"
#include "engine/Scoring.h"
#include "engine/Shuffle.h"
#include "engine/Table.h"
#include "records/Numbers.h"
#include "records/SettingsFields.h"

namespace tarvelle {

namespace {

constexpr int kHiddenStock = -10000;
constexpr int kHiddenFoundation = -10001;
constexpr int kHiddenTableau = -10002;
constexpr int kHiddenReserve = -10003;

// The cards still to be dealt, front first.
class DealList {
public:
    explicit DealList(std::vector<int> cards) {
        for (int c : cards)
            if (c != kGap) cards_.push_back(c);
    }

    bool empty() const { return cards_.empty(); }
    const std::vector<int>& cards() const { return cards_; }
    int first() const { return cards_.empty() ? kGap : cards_.front(); }

    // Takes the first card that passes the test; 0 when none does.
    int take(const std::function<bool(int)>& test = nullptr) {
        for (size_t i = 0; i < cards_.size(); ++i) {
            if (test && !test(cards_[i])) continue;
            int card = cards_[i];
            cards_.erase(cards_.begin() + static_cast<std::ptrdiff_t>(i));
            return card;
        }
        return kGap;
    }
    bool remove(int card) {
        auto at = std::find(cards_.begin(), cards_.end(), card);
        if (at == cards_.end()) return false;
        cards_.erase(at);
        return true;
    }
    void append(int card) { cards_.push_back(card); }
    void keepOnly(const std::function<bool(int)>& keep) { std::erase_if(cards_, [&](int c) { return !keep(c); }); }

private:
    std::vector<int> cards_;
};

std::string& slot(EngineState& s, Collection c, int k) { return *s.piles.pile(c, k); }

// Deals a card onto a pile with the given face.
void put(EngineState& s, Collection c, int k, int card, char face) {
    if (card == kGap) return;
    appendCardToSlot(s, c, k, card, face);
}

void dealCount(EngineState& s, DealList& list, Collection c, int k, int count, char face) {
    for (int i = 0; i < count && !list.empty(); ++i) put(s, c, k, list.take(), face);
}

// --- Deck composition (parameter 33 values 9, 11, 12) ---------------------

void composeDeck(const RuleTable& r, DealList& list) {
    const int n = r.tableauPiles();
    switch (r[rule::Arrangement]) {
        case 11: {
            for (int k = 1; k <= n; ++k) {
                bool seen = false;
                list.keepOnly([&](int c) {
                    if (rank(c) != k) return true;
                    if (seen) return false;
                    seen = true;
                    return true;
                });
            }
            list.keepOnly([&](int c) { return rank(c) <= n; });
            break;
        }
        case 9:
            if (n > 13) list.keepOnly([&](int c) { return c <= 13 || (c >= 27 && c <= n + 13); });
            else list.keepOnly([&](int c) { return c <= n; });
            break;
        case 12: {
            static constexpr int kAlways[] = {1, 5, 15, 19, 29, 43, 53, 57, 67, 71, 81, 95};
            static constexpr int kUnlessThree[] = {9, 23, 33, 37, 47, 51, 61, 75, 85, 89, 99, 103};
            static constexpr int kUnlessThreeOrFour[] = {2, 10, 16, 24, 30, 38, 44, 52, 54, 62, 68,
                                                         76, 82, 90, 96, 104};
            auto in = [](const auto& codes, int c) { return std::find(std::begin(codes), std::end(codes), c) != std::end(codes); };
            list.keepOnly([&](int c) {
                return in(kAlways, c) || (n != 3 && in(kUnlessThree, c)) ||
                       (n != 3 && n != 4 && in(kUnlessThreeOrFour, c));
            });
            break;
        }
        default: break;
    }
}

// --- Foundation starting cards ---------------------------------------------

// The card that foundation k starts with for the value v, 0 for none.
int startingCard(const EngineState& s, const DealList& list, int k, int v) {
    const auto& cards = list.cards();
    auto firstWhere = [&](const std::function<bool(int)>& test) {
        auto at = std::find_if(cards.begin(), cards.end(), test);
        return at == cards.end() ? kGap : *at;
    };
    if (v == 0 || v == 96 || v == 92) return kGap;
    if (v == 91) {
        if (list.empty()) return kGap;
        const int deck = std::max(1, s.rules[rule::DeckCards]);
        int code = list.first() + 13 * (k + 1);
        // Wrapped into 1 ... deck size, so a whole multiple of the deck is its last card.
        if (code > deck) code = (code - 1) % deck + 1;
        return code;
    }
    if (v == 93 || v == 94) return 13 * k + 1;
    if (v == 95) return k <= 3 ? 13 * (k + 1) : 13 * k - 51;
    if (v == 20) return list.first();
    if (v == 21) {
        return firstWhere([&](int c) {
            for (int j = 0; j < k; ++j)
                if (suitIndex(bottomCard(s.piles.foundations[static_cast<size_t>(j)])) == suitIndex(c)) return false;
            return true;
        });
    }
    if (v >= 51 && v <= 63) return firstWhere([&](int c) { return rank(c) == v - 50; });
    if (v >= 100) return v - 100;
    return 13 * k + v;
}

void dealFoundationStarts(EngineState& s, DealList& list) {
    for (int k = 0; k < s.rules.foundations(); ++k) {
        const int v = s.rules[rule::FoundationStart + k];
        if (v == 92) {
            s.rules.set(rule::FoundationBase + k, s.rules[rule::FoundationBase]);
            continue;
        }
        const int card = startingCard(s, list, k, v);
        // Only a card of this deck that is still to be dealt goes out, so no card is dealt twice.
        if (card == kGap || !list.remove(card)) continue;
        put(s, Collection::Foundations, k, card, '1');
        s.rules.set(rule::FoundationBase + k, rank(card));
    }
}

// --- Play-outs to the foundations ------------------------------------------

// The foundations that a card of tableau pile k may be played to, by the starting-card kind.
bool mayPlayTo(int startKind, int pile, int foundation) {
    if (startKind == 94) return foundation == pile;
    if (startKind == 95) {
        if (pile <= 3) return foundation <= 3;
        if (pile >= 6 && pile <= 9) return foundation >= 4 && foundation <= 7;
    }
    return true;
}

// Plays cards out of the tableau, pile by pile or row by row, until none moves.
void playOutToFoundations(EngineState& s, int startKind) {
    const int piles = s.rules.tableauPiles();
    auto tryCard = [&](int pile, int position) {
        const int card = codeAt(s.piles.tableau[static_cast<size_t>(pile)], position);
        if (card == kGap) return false;
        for (int f = 0; f < s.rules.foundations(); ++f) {
            if (!mayPlayTo(startKind, pile, f) || !foundationTest(s, f, card)) continue;
            slot(s, Collection::Tableau, pile).erase(static_cast<size_t>(position) * 3, 3);
            put(s, Collection::Foundations, f, card, '1');
            return true;
        }
        return false;
    };
    for (bool moved = true; moved;) {
        moved = false;
        if (s.rules[rule::TableauPileByPile] != 0) {
            for (int k = 0; k < piles; ++k)
                for (int r = 0; r < positions(s.piles.tableau[static_cast<size_t>(k)]); ++r)
                    if (tryCard(k, r)) moved = true;
        } else {
            for (int r = 0; r < longestTableauPile(s); ++r)
                for (int k = 0; k < piles; ++k)
                    if (tryCard(k, r)) moved = true;
        }
    }
}

// Starting value 96: aces are played out row by row, each replaced from the stock (or waste).
void playOutAcesWithReplacement(EngineState& s) {
    const int piles = s.rules.tableauPiles();
    for (int r = 0; r < longestTableauPile(s); ++r) {
        for (int k = 0; k < piles; ++k) {
            std::string& pile = slot(s, Collection::Tableau, k);
            while (r < positions(pile)) {
                const int card = codeAt(pile, r);
                if (rank(card) != 1) break;
                int target = -1;
                for (int f = 0; f < s.rules.foundations() && target < 0; ++f)
                    if (foundationTest(s, f, card)) target = f;
                if (target < 0) break;
                pile.erase(static_cast<size_t>(r) * 3, 3);
                put(s, Collection::Foundations, target, card, '1');
                std::string& source = s.piles.stock().empty() ? s.piles.waste() : s.piles.stock();
                const int replacement = topCard(source);
                if (replacement == kGap) break;
                source.resize(source.size() - 3);
                put(s, Collection::Tableau, k, replacement, '1');
            }
        }
    }
}

// --- Game kind 11 -----------------------------------------------------------

void dealKind11(EngineState& s) {
    std::string& reserve = slot(s, Collection::Reserves, 0);
    int acesMoved = 0;
    for (int card : codesOf(reserve)) {
        if (rank(card) != 1 || acesMoved + 1 >= kFoundationSlots) continue;
        findCardInPile(s, Collection::Reserves, 0, card, FindAction::Remove);
        put(s, Collection::Foundations, 1 + acesMoved, card, '1');
        ++acesMoved;
    }
    std::string& waste = s.piles.waste();
    int replaced = 0;
    bool aceToFirst = false;
    for (int at = 0; at < positions(waste) && !(aceToFirst && replaced >= acesMoved); ++at) {
        const int card = codeAt(waste, at);
        if (rank(card) == 1) {
            waste.erase(static_cast<size_t>(at) * 3, 3);
            put(s, Collection::Foundations, 0, card, '1');
            aceToFirst = true;
        } else if (replaced < acesMoved) {
            waste.erase(static_cast<size_t>(at) * 3, 3);
            appendCode(reserve, card);
            setPileFaceFlags(s.cards, reserve, positions(reserve), '1');
            ++replaced;
        }
    }
}

// --- Arrangements (parameter 33) --------------------------------------------

// Value 1: a pile whose bottom card is a king gives it to the bottom of the
// stock and takes the first other card of the stock, face up.
void arrangeKingsToStock(EngineState& s) {
    auto arrange = [&](Collection c, int count) {
        for (int k = 0; k < count; ++k) {
            std::string& pile = slot(s, c, k);
            if (rank(bottomCard(pile)) != 13) continue;
            // The whole pile goes under the stock, king first, so that no card leaves the game.
            std::string moved = pile;
            pile.clear();
            s.piles.stock().insert(0, moved);
            std::string& stock = s.piles.stock();
            if (const int top = topCard(stock)) s.cards.setFaceFlag(top, '0');
            for (int at = 0; at < positions(stock); ++at) {
                const int card = codeAt(stock, at);
                if (rank(card) == 13) continue;
                stock.erase(static_cast<size_t>(at) * 3, 3);
                put(s, c, k, card, '1');
                break;
            }
        }
    };
    arrange(Collection::Tableau, s.rules.tableauPiles());
    arrange(Collection::Foundations, s.rules.foundations());
}

// Values 2 and 4: piles headed by kings (or queens), dealt face up.
void arrangeRunsFromLeaders(EngineState& s, DealList& list, int leaderRank) {
    const int piles = s.rules.tableauPiles();
    if (piles == 0) return;
    const int leader = list.take([&](int c) { return rank(c) == leaderRank; });
    if (leader == kGap) return;
    std::string& first = slot(s, Collection::Tableau, 0);
    // The cards the first pile held go back to be dealt again, so none is lost.
    for (int c : codesOf(first))
        if (c != kGap) list.append(c);
    first.clear();
    put(s, Collection::Tableau, 0, leader, '1');
    int current = 0;
    while (!list.empty()) {
        const int card = list.take();
        if (rank(card) == leaderRank && current + 1 < piles) ++current;
        put(s, Collection::Tableau, current, card, '1');
    }
    playOutToFoundations(s, 93);
}

// Value 3: no pile holds two cards of the same rank.
void arrangeDistinctRanks(EngineState& s) {
    const int piles = s.rules.tableauPiles();
    std::vector<int> gathered;
    for (int k = 0; k < piles; ++k) {
        std::string& pile = slot(s, Collection::Tableau, k);
        for (int c : codesOf(pile)) if (c != kGap) gathered.push_back(c);
        pile.assign(pile.size() / 3 * 3, '0');
    }
    auto holdsRank = [](const std::string& pile, int r) {
        for (int c : codesOf(pile)) if (c != kGap && rank(c) == r) return true;
        return false;
    };
    auto fillGap = [&](std::string& pile, int at, int card) {
        pile.replace(static_cast<size_t>(at) * 3, 3, codeText(card));
    };
    for (int k = 0; k < piles; ++k) {
        std::string& pile = slot(s, Collection::Tableau, k);
        for (int at = findCode(pile, kGap); at >= 0; at = findCode(pile, kGap)) {
            auto card = std::find_if(gathered.begin(), gathered.end(), [&](int c) { return !holdsRank(pile, rank(c)); });
            if (card == gathered.end()) break;
            fillGap(pile, at, *card);
            gathered.erase(card);
        }
    }
    // Cards that found no pile without their rank take the gaps left, so none leaves the game.
    for (int k = 0; k < piles && !gathered.empty(); ++k) {
        std::string& pile = slot(s, Collection::Tableau, k);
        for (int at = findCode(pile, kGap); at >= 0 && !gathered.empty(); at = findCode(pile, kGap)) {
            fillGap(pile, at, gathered.front());
            gathered.erase(gathered.begin());
        }
    }
}

void arrange(EngineState& s, DealList& list) {
    const int piles = s.rules.tableauPiles();
    switch (s.rules[rule::Arrangement]) {
        case 1: arrangeKingsToStock(s); break;
        case 2: arrangeRunsFromLeaders(s, list, 13); break;
        case 4: arrangeRunsFromLeaders(s, list, 12); break;
        case 3: arrangeDistinctRanks(s); break;
        case 5:
        case 6: {
            const int offset = s.rules[rule::Arrangement] == 5 ? 2 : 1;
            for (int card : std::vector<int>(list.cards())) {
                const int pile = rank(card) - offset;
                if (pile < 0 || pile >= piles) continue;
                list.remove(card);
                put(s, Collection::Tableau, pile, card, '1');
            }
            break;
        }
        case 7:
            for (int k = 0; k < piles && k < s.rules.foundations(); ++k) {
                std::string& pile = slot(s, Collection::Tableau, k);
                const int card = bottomCard(pile);
                if (card == kGap || !foundationTest(s, k, card)) continue;
                pile.erase(0, 3);
                put(s, Collection::Foundations, k, card, '1');
            }
            break;
        case 8:
            for (int k = 0; k < piles; ++k) {
                std::string& pile = slot(s, Collection::Tableau, k);
                for (int at = 0; at < positions(pile); ++at)
                    if (rank(codeAt(pile, at)) == 1) pile.replace(static_cast<size_t>(at) * 3, 3, "000");
            }
            break;
        case 9: {
            int code = s.rules[rule::TableauPiles];
            if (code > 13) code += 13;
            for (int k = 0; k < piles; ++k) {
                std::string& pile = slot(s, Collection::Tableau, k);
                if (bottomCard(pile) == code) {
                    pile.clear();
                    break;
                }
            }
            break;
        }
        case 10:
            if (piles > 1) slot(s, Collection::Tableau, static_cast<int>(s.random.below(static_cast<std::uint32_t>(piles - 1)))).clear();
            break;
        case 13:
            for (int k = 0; k < s.rules.foundations() && !list.empty(); ++k) {
                std::string& pile = slot(s, Collection::Foundations, k);
                pile.clear();
                put(s, Collection::Foundations, k, list.take(), '1');
            }
            break;
        default: break;
    }
}

}  // namespace

// --- Prepare, start and deal --------------------------------------------------

std::string zeroClockText() { return "0:00:00"; }

std::string newGameNumber(EngineState& state) {
    std::string number = drawGameNumber(state.random);
    state.settings.put(setting::GameNumber, number);
    return number;
}

void regenerateJitter(EngineState& state) {
    for (auto& row : state.jitter) {
        row[0] = 0;
        int p = static_cast<int>(state.random.below(4));
        int sum = 0;
        for (size_t i = 1; i < row.size(); ++i) {
            int c = static_cast<int>(state.random.below(4));
            if (p > 2 && c > 2) c = 0;
            else if ((c == 1 || c == 2) && p <= 2) c = 0;
            p = c;
            int d = c <= 2 ? c : 2 - c;
            sum += d;
            if (sum > 2) {
                d -= 2;
                sum -= 2;
            }
            if (sum < -2) {
                d += 2;
                sum += 2;
            }
            row[i] = d;
        }
    }
}

bool prepareGame(EngineState& state) {
    state.rules.clear(0, 372);
    if (!loadRuleTable(state)) return false;

    SettingsRecord& st = state.settings;
    const int needed = state.rules[rule::ScreenWidthNeeded];
    const int width = state.host.screen().width;
    const bool fits = (needed != 1 || width >= 650) && (needed != 2 || width >= 810);
    const std::string sizeBefore = st.get(setting::CardSize);
    if (fits) {
        if (!st.get(setting::SavedCardSet).empty()) {
            st.put(setting::CardSize, st.get(setting::SavedCardSize));
            st.put(setting::CardSet, st.get(setting::SavedCardSet));
            st.put(setting::BackCard, st.get(setting::SavedBackCard));
            st.put(setting::SavedCardSize, "");
            st.put(setting::SavedCardSet, "");
            st.put(setting::SavedBackCard, "");
        }
        state.commands.customize = true;
    } else {
        if (st.get(setting::CardSize) == "B") {
            st.put(setting::SavedCardSize, st.get(setting::CardSize));
            st.put(setting::SavedCardSet, st.get(setting::CardSet));
            st.put(setting::SavedBackCard, st.get(setting::BackCard));
            st.put(setting::CardSet, "003");
            st.put(setting::CardSize, "M");
        } else {
            state.run.smallScreenFallback = true;
        }
        state.commands.customize = false;
        if (!state.run.smallScreenNoticeShown) {
            state.run.smallScreenNoticeShown = true;
            const std::string name = st.get(setting::GameName);
            const std::string lead =
                needed == 1 ? "Your video card's display is 640x480 pixels. For the best graphics display "
                              "the screen resolution should be set to 800x600 pixels or higher. However, "
                              "it's possible to play "
                            : "Your video card's display is 800x600 pixels. For the best graphics display "
                              "of this game the screen resolution should be set to 1024x768 pixels or "
                              "higher. However, it's possible to play ";
            showInformation(state.host, lead + name + " " + "using predefined card and deck sets.");
        }
    }
    if (st.get(setting::CardSize) != sizeBefore) state.host.reloadCardImages();

    for (int k = 0; k < 4; ++k) state.catalogue.setStockPosition(k, kHiddenStock, kHiddenStock);
    for (int k = 0; k <= kFoundationSlots; ++k) state.catalogue.setFoundationPosition(k, kHiddenFoundation, kHiddenFoundation);
    for (int k = 0; k <= kReserveSlots; ++k) state.catalogue.setReservePosition(k, kHiddenReserve, kHiddenReserve);
    state.catalogue.tableauX.fill(kHiddenTableau);
    state.catalogue.tableauY.fill(kHiddenTableau);

    const bool noSaving = state.rules[rule::NoSaveOrUndo] == 1;
    state.commands.autoplayButton = state.rules[rule::NoAutoplayButton] == 0;
    state.commands.save = !noSaving;
    state.commands.snapshot = !noSaving;
    state.commands.holdAndExit = !noSaving;
    state.commands.undoRedo = !noSaving;
    state.host.commandsChanged();

    state.host.layOutTable();
    return true;
}

bool startGame(EngineState& state, const StartOptions& options) {
    Host& host = state.host;
    host.setWaitCursor(true);
    state.catalogue.setMovesMade(0);
    state.counters = GameCounters{};
    clearTable(state, options.deal);
    regenerateJitter(state);
    state.settings.put(setting::UndoTaken, "0");
    state.settings.put(setting::RedoTaken, "0");

    if (options.deal) {
        if (state.rules[rule::DeckCards] != 0) {
            state.rules.restorePerPile();
        } else if (!prepareGame(state)) {
            host.setWaitCursor(false);
            return false;
        }
        state.flags.clear(Flag::ClockRunning);
        state.clock.elapsedText = zeroClockText();
        state.catalogue.setDealsMade(1);
        state.settings.put(setting::Score, "0");
        if (options.newNumber) newGameNumber(state);
        deal(state);
    }

    state.catalogue.RememberGameNumber(state.settings.get(setting::GameNumber));
    state.flags.set(Flag::InProgress);
    state.flags.clear(Flag::Won);
    // The end of the game before is over: autoplay and the moves stop only at this game's end.
    state.flags.clear(Flag::Ended);
    host.refreshCardCounter();

    if (!options.keepBackground) {
        if (state.settings.isYes(setting::RandomBackground) || state.settings.isYes(setting::RandomCard) ||
            state.settings.isYes(setting::RandomDeck))
            host.chooseRandomLooks();
        host.clearTableImage();
    }
    host.showScore();
    host.showClock();
    if (!options.keepBackground)
        host.drawDealtTable(state.settings.get(setting::DealAnimation) != "N" && options.animate);

    if (!state.flags[Flag::ClockRunning]) {
        state.clock.start = host.tickCount();
        state.flags.set(Flag::ClockRunning);
    }
    if (state.autoplayChecked && state.commands.autoplayButton) autoplayAfterDeal(state);

    state.commands.pause = true;
    state.commands.quitGame = true;
    state.commands.snapshot = state.rules[rule::NoSaveOrUndo] != 1;
    host.commandsChanged();
    host.showTitle();
    host.setWaitCursor(false);
    return true;
}

void deal(EngineState& state) {
    RuleTable& r = state.rules;
    auto dealt = buildDealList(r, state.settings.get(setting::GameNumber), state.host);
    DealList list(dealt ? std::move(*dealt) : std::vector<int>{});
    const int piles = r.tableauPiles();

    composeDeck(r, list);
    dealFoundationStarts(state, list);

    if (int code = r[rule::SecondWasteCard]; code != 0) {
        if (code > 100) code -= 100;
        if (list.remove(code)) put(state, Collection::StockGroup, kSecondWaste, code, '1');
    }

    for (int k = 0; k < piles; ++k) {
        const int count = r[rule::TableauDeal + k];
        if (count <= 1000) continue;
        if (count >= 1001 && count <= 1499) {
            put(state, Collection::Tableau, k, list.take([&](int c) { return rank(c) == count - 1000; }), '0');
        } else if (count >= 1501 && count <= 1504) {
            const int joker = 104 + (count - 1500);
            if (list.remove(joker)) put(state, Collection::Tableau, k, joker, '1');
        }
        setPileFaceFlags(state.cards, state.piles.tableau[static_cast<size_t>(k)], r[rule::TableauFaceUp + k], '1');
    }

    dealCount(state, list, Collection::StockGroup, kStock, r[rule::StockDeal],
              r[rule::StockFaceState] == 0 ? '1' : '0');
    dealCount(state, list, Collection::StockGroup, kWaste, r[rule::WasteDeal], '1');

    for (int k = 0; k < piles; ++k) {
        const int count = r[rule::TableauDeal + k];
        if (count < 1 || count > 1000) continue;
        dealCount(state, list, Collection::Tableau, k, count, '0');
        setPileFaceFlags(state.cards, state.piles.tableau[static_cast<size_t>(k)], r[rule::TableauFaceUp + k], '1');
    }

    dealCount(state, list, Collection::StockGroup, kSecondWaste, r[rule::SecondWasteDeal], '1');

    for (int l = 0; l < kReserveSlots; ++l) {
        const int count = r[rule::ReserveDeal + l];
        if (count <= 0) continue;
        dealCount(state, list, Collection::Reserves, l, count, '0');
        setPileFaceFlags(state.cards, state.piles.reserves[static_cast<size_t>(l)], r[rule::ReserveFaceUp + l], '1');
    }

    if (r[rule::FoundationBasesFromDeal] == 1 && !list.empty()) {
        const int card = list.take();
        put(state, Collection::Foundations, 0, card, '1');
        for (int k = 0; k < kFoundationSlots; ++k)
            r.set(rule::FoundationBase + k, isJoker(card) ? -2 : rank(card));
    } else if (r[rule::FoundationBasesFromDeal] == 2) {
        for (int k = 0; k < r.foundations() && !list.empty(); ++k) {
            const int card = list.take();
            put(state, Collection::Foundations, k, card, '1');
            r.set(rule::FoundationBase + k, rank(card));
        }
    }

    for (int k = 0; k < piles; ++k)
        if (r[rule::TableauEmpty + k] == 91)
            r.set(rule::TableauEmpty + k, previousRankWrapping(r[rule::FoundationBase]));

    if (r[rule::ExtraFoundationCard] == 1 && !list.empty())
        put(state, Collection::Foundations, 0, list.take(), '1');

    if (r[rule::GameKind] == 11) dealKind11(state);

    if (const int start = r[rule::FoundationStart]; start >= 93 && start <= 95) playOutToFoundations(state, start);
    if (r[rule::FoundationStart] == 96) playOutAcesWithReplacement(state);

    if (r[rule::AfterDeal] == 1) {
        for (int k = 0; k < piles; ++k) {
            std::string& pile = slot(state, Collection::Tableau, k);
            // Each king above the bottom position, from the bottom up, goes to the bottom.
            for (int at = 1; at < positions(pile); ++at) {
                if (rank(codeAt(pile, at)) != 13) continue;
                const std::string king = pile.substr(static_cast<size_t>(at) * 3, 3);
                pile.erase(static_cast<size_t>(at) * 3, 3);
                pile.insert(0, king);
            }
        }
    }

    if (r[rule::GameKind] == 22) {
        constexpr int kKingOfHearts = 13, kQueenOfHearts = 12;
        if (list.remove(kKingOfHearts) || locateAndRemoveCard(state, kKingOfHearts, FindAction::Remove) != PileKind::NotFound) {
            state.piles.stock().insert(0, codeText(kKingOfHearts));
            state.cards.setFaceFlag(kKingOfHearts, r[rule::StockFaceState] == 0 ? '1' : '0');
        }
        if (list.remove(kQueenOfHearts) || locateAndRemoveCard(state, kQueenOfHearts, FindAction::Remove) != PileKind::NotFound)
            put(state, Collection::Tableau, 0, kQueenOfHearts, '1');
    }

    arrange(state, list);
    computeScore(state);
}

}  // namespace tarvelle
