// The shuffle: the deal list of a game number, a fixed arithmetic on its 13 digits.
#include "engine/Shuffle.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>

namespace tarvelle {

namespace {

// Suits per row: the first four serve the first deck, the last four the second.
constexpr std::array<std::array<int, 8>, 13> kSuitTable{{
    {4, 2, 3, 1, 4, 2, 1, 3},
    {1, 3, 2, 4, 4, 3, 2, 1},
    {2, 4, 3, 1, 3, 4, 1, 2},
    {3, 4, 2, 1, 2, 3, 1, 4},
    {4, 2, 3, 1, 1, 3, 4, 2},
    {1, 4, 2, 3, 4, 1, 2, 3},
    {2, 1, 3, 4, 3, 1, 2, 4},
    {3, 2, 1, 4, 2, 4, 1, 3},
    {4, 3, 1, 2, 1, 2, 3, 4},
    {2, 1, 4, 3, 4, 2, 1, 3},
    {3, 1, 4, 2, 1, 2, 4, 3},
    {3, 2, 4, 1, 1, 4, 3, 2},
    {2, 3, 4, 1, 4, 1, 3, 2},
}};

// Steps per digit.
constexpr std::array<std::array<int, 8>, 10> kStepTable{{
    {25, 18, 13, 22, 21, 20, 15, 15},
    {20, 19, 12, 13, 18, 18, 23, 17},
    {30, 21, 19, 19, 13, 22, 20, 18},
    {51, 16, 14, 18, 21, 21, 17, 19},
    {18, 19, 19, 23, 13, 16, 15, 20},
    {17, 21, 14, 19, 19, 16, 18, 17},
    {48, 16, 13, 14, 19, 20, 20, 16},
    {11, 21, 21, 23, 17, 18, 22, 20},
    {22, 16, 13, 13, 19, 17, 22, 13},
    {24, 13, 20, 21, 21, 14, 15, 22},
}};

// A free position from `from`: forwards when `forward`, else downwards; when
// that finds none, the first gap of the list. -1 when the list is full.
int freePosition(const std::vector<int>& list, int from, bool forward) {
    const int size = static_cast<int>(list.size());
    if (forward) {
        for (int i = std::max(from, 0); i < size; ++i)
            if (list[static_cast<size_t>(i)] == 0) return i;
    } else {
        for (int i = std::min(from, size - 1); i >= 0; --i)
            if (list[static_cast<size_t>(i)] == 0) return i;
    }
    for (int i = 0; i < size; ++i)
        if (list[static_cast<size_t>(i)] == 0) return i;
    return -1;
}

// Brings a position back into the list: wrapped when past its end, 0 when negative.
std::int64_t keepInList(std::int64_t position, std::int64_t size) {
    if (position >= size) position %= size;
    if (position < 0) position = 0;
    return position;
}

// G[1] ... G[13]: the last 13 characters of the number padded with zeros.
std::string thirteenPlaces(std::string_view gameNumber) {
    std::string digits(gameNumber);
    if (digits.size() < 13) digits.insert(0, 13 - digits.size(), '0');
    return digits.substr(digits.size() - 13);
}

}  // namespace

bool isDealableNumber(std::string_view gameNumber) {
    const std::string places = thirteenPlaces(gameNumber);
    return std::all_of(places.begin(), places.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::optional<std::vector<int>> buildDealList(const RuleTable& rules, std::string_view gameNumber,
                                              Host& host) {
    const std::string digits = thirteenPlaces(gameNumber);
    std::array<int, 14> G{};
    for (int i = 1; i <= 13; ++i) {
        const char c = digits[static_cast<size_t>(i - 1)];
        if (c < '0' || c > '9') return std::nullopt;
        G[static_cast<size_t>(i)] = c - '0';
    }
    auto g = [&](int i) { return G[static_cast<size_t>(i)]; };

    const int N = rules[rule::DeckCards];
    // Jokers are placed only when the list has room for them: a joker flag other
    // than 1 would otherwise take the places of cards of the deck.
    const bool jokers = rules[rule::DeckHasJokers] == 1;
    const int T = N + (jokers ? rules[rule::Jokers] : 0);
    if (T <= 0) return std::vector<int>{};
    std::vector<int> list(static_cast<size_t>(T), 0);

    int S = 0;
    if (N <= 52) S = 4;
    else if (N == 104) S = 8;
    else showInformation(host, "Error 01 - fnGameNumberCardsArray");

    std::int64_t Y = 100 * g(2) + 10 * g(6) + g(12);

    if (jokers) {
        std::int64_t A = Y;
        for (int i = 1; i <= std::min(rules[rule::Jokers], 4); ++i) {
            A = keepInList(A + kStepTable[static_cast<size_t>(g(1))][static_cast<size_t>(i - 1)], T);
            int at = freePosition(list, static_cast<int>(A), true);
            if (at >= 0) list[static_cast<size_t>(at)] = 104 + i;
        }
    }

    std::vector<int> ranks;
    for (int r = 1; r <= 13; ++r) ranks.push_back(r);
    int p1 = 1, p2 = 7, p3 = 13;
    for (int i = 1; i <= 13; ++i) {
        const int d = g(i);
        const bool forward = d == 0;

        // R: the nine digits of G without four of them.
        std::int64_t R = 0;
        auto take = [&](int first, int last) {
            for (int j = first; j <= last; ++j) R = R * 10 + g(j);
        };
        if (i <= 10) {
            take(1, i - 1);
            take(i + 4, 13);
        } else {
            take(i - 8, i);
        }
        const auto& suits = kSuitTable[static_cast<size_t>(R % 13)];

        int C = (100 * g(p1) + 10 * g(p2) + g(p3)) % 13;
        const int last = static_cast<int>(ranks.size()) - 1;
        if (C > last) C = forward ? last : 0;
        const int r = ranks[static_cast<size_t>(C)];
        ranks.erase(ranks.begin() + C);

        p1 = p1 % 13 + 1;
        p2 = p2 % 13 + 1;
        p3 = p3 % 13 + 1;

        Y -= d;
        for (int j = 1; j <= S; ++j) {
            Y = keepInList(Y + kStepTable[static_cast<size_t>(d)][static_cast<size_t>(j - 1)], T);
            int card = (suits[static_cast<size_t>(j - 1)] - 1) * 13 + r;
            if (j > 4) card += 52;
            if (list[static_cast<size_t>(Y)] == 0) {
                list[static_cast<size_t>(Y)] = card;
            } else {
                Y = freePosition(list, static_cast<int>(Y), forward);
                if (Y >= 0) list[static_cast<size_t>(Y)] = card;
            }
        }
    }
    return list;
}

}  // namespace tarvelle
