// The shuffle: deal lists of game numbers, checked against lists worked out
// from the shuffle's rules by hand and by a separate transcription of them.
#include "engine/Shuffle.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "engine/HeadlessHost.h"

namespace tarvelle {
namespace {

RuleTable deck(int cards, int jokers) {
    RuleTable r;
    r.set(rule::DeckCards, cards);
    r.set(rule::Jokers, jokers);
    r.set(rule::DeckHasJokers, jokers > 0 ? 1 : 0);
    return r;
}

std::vector<int> listOf(const std::string& text) {
    std::vector<int> codes;
    std::istringstream in(text);
    for (int c; in >> c;) codes.push_back(c);
    return codes;
}

struct Golden {
    const char* number;
    int cards, jokers;
    const char* list;
};

const Golden kGoldens[] = {
    {"1", 52, 0, "040 004 043 039 015 006 016 045 018 035 034 007 049 011 025 024 026 027 046 030 048 010 012 032 021 002 041 003 042 005 014 044 017 013 033 009 019 023 052 022 037 038 051 028 008 029 047 031 020 050 036 001"},
    {"1", 52, 2, "026 007 046 015 048 035 049 036 050 021 030 032 037 012 025 038 027 005 044 033 013 042 003 017 019 105 002 041 052 014 008 047 020 022 009 031 023 010 039 024 029 011 051 106 028 043 004 006 018 045 034 040 001 016"},
    {"1234567890123", 52, 0, "005 014 028 037 035 006 002 043 003 040 023 034 022 018 020 046 045 015 012 038 001 044 042 017 021 011 052 026 033 049 050 009 019 013 039 041 030 051 027 016 031 036 008 048 029 032 047 007 010 024 004 025"},
    {"9999999999999", 104, 0, "076 089 098 032 044 049 009 051 060 091 039 041 085 081 029 071 019 053 056 102 063 010 099 026 061 005 033 016 012 095 092 078 002 011 072 068 045 086 100 020 050 062 057 052 082 079 027 042 034 064 030 024 087 054 101 073 096 006 046 014 037 021 017 103 013 069 093 066 003 088 035 083 074 047 007 058 031 090 038 040 043 080 028 022 075 065 036 097 018 055 023 025 008 070 059 015 048 084 104 077 001 004 094 067"},
    {"0000000000000", 104, 4, "018 042 083 055 073 101 025 077 013 078 065 091 066 002 095 031 071 047 081 016 007 060 009 049 024 105 040 053 045 075 063 058 029 038 093 069 021 005 086 037 064 098 079 106 014 043 019 084 100 034 056 023 062 089 067 003 107 027 096 032 012 072 011 017 048 082 036 041 074 054 088 008 046 090 026 104 094 030 108 001 070 006 059 022 080 015 061 102 010 051 044 020 099 103 039 057 068 085 028 004 092 035 097 087 033 050 052 076"},
    {"907", 52, 4, "107 047 003 045 020 022 026 043 039 025 001 010 036 015 009 028 042 011 019 033 048 031 108 021 040 105 034 013 044 017 050 030 006 002 046 038 012 035 029 016 052 018 007 106 008 049 014 041 027 004 051 023 024 032 037 005"},
    // Zeros among other digits: rounds that search forwards and rounds that search back.
    {"1020304050607", 104, 2, "009 042 026 078 084 002 037 053 014 063 038 049 023 051 003 095 057 021 019 031 105 074 071 033 001 079 054 098 013 065 011 090 055 096 076 069 040 045 044 106 008 087 020 085 052 091 093 017 094 064 018 056 035 073 027 046 006 061 028 072 050 080 077 005 081 004 082 039 086 058 048 029 100 102 103 092 015 067 043 007 068 070 060 022 024 010 034 025 104 041 089 097 016 088 036 062 066 101 075 083 030 059 099 012 047 032"},
    {"8000000000001", 52, 0, "030 005 025 033 048 040 014 042 010 016 052 002 026 004 009 044 007 019 045 021 008 024 011 027 018 029 038 012 039 049 035 023 041 015 043 017 001 046 003 020 031 013 006 022 047 034 050 036 037 032 028 051"},
    {"5550001112223", 104, 1, "011 090 044 043 088 080 029 100 098 052 033 051 104 032 018 079 017 094 027 102 010 093 075 026 007 084 073 061 060 019 031 004 066 038 055 063 014 022 021 062 069 036 087 020 054 013 008 006 040 005 015 024 068 089 103 023 035 074 096 082 067 001 059 034 047 045 078 081 041 048 076 071 037 070 049 077 056 003 072 053 028 086 025 097 057 095 050 091 030 042 064 009 002 101 046 039 085 092 083 105 012 016 065 058 099"},
};

TEST(Shuffle, GivesTheListsOfTheRules) {
    HeadlessHost host;
    for (const Golden& g : kGoldens) {
        SCOPED_TRACE(g.number);
        auto list = buildDealList(deck(g.cards, g.jokers), g.number, host);
        ASSERT_TRUE(list);
        EXPECT_EQ(*list, listOf(g.list));
    }
    EXPECT_TRUE(host.messages.empty());
}

TEST(Shuffle, FirstRoundsOfGameNumberOne) {
    // Worked by hand: Y starts at 0 (digits 2, 6 and 12 of 0000000000001);
    // round 1 draws rank 2 into suit row 1, round 2 rank 1.
    HeadlessHost host;
    auto list = *buildDealList(deck(52, 0), "1", host);
    EXPECT_EQ(list[25], 2);
    EXPECT_EQ(list[43], 28);
    EXPECT_EQ(list[4], 15);
    EXPECT_EQ(list[26], 41);
    EXPECT_EQ(list[51], 1);
    EXPECT_EQ(list[17], 27);
    EXPECT_EQ(list[30], 14);
    EXPECT_EQ(list[0], 40);
}

TEST(Shuffle, EveryCardOnceForAnyNumber) {
    HeadlessHost host;
    std::uint64_t number = 88172645463325252ull;
    for (int i = 0; i < 300; ++i) {
        number ^= number << 13;
        number ^= number >> 7;
        number ^= number << 17;
        const std::string text = std::to_string(number % 10000000000000ull);
        for (auto [cards, jokers] : {std::pair{52, 0}, {52, 4}, {104, 0}, {104, 2}}) {
            auto list = *buildDealList(deck(cards, jokers), text, host);
            std::sort(list.begin(), list.end());
            std::vector<int> expected;
            for (int c = 1; c <= cards; ++c) expected.push_back(c);
            for (int j = 1; j <= jokers; ++j) expected.push_back(104 + j);
            std::sort(expected.begin(), expected.end());
            ASSERT_EQ(list, expected) << text << " with " << cards << " cards and " << jokers << " jokers";
        }
    }
}

TEST(Shuffle, AJokerFlagOtherThanOneTakesNoPlaceOfACard) {
    HeadlessHost host;
    RuleTable r = deck(52, 2);
    r.set(rule::DeckHasJokers, 2);
    EXPECT_EQ(*buildDealList(r, "1", host), *buildDealList(deck(52, 0), "1", host));
}

TEST(Shuffle, NumbersAreTheirLastThirteenDigits) {
    HeadlessHost host;
    EXPECT_EQ(*buildDealList(deck(52, 0), "7", host), *buildDealList(deck(52, 0), "0000000000007", host));
    EXPECT_EQ(*buildDealList(deck(52, 0), "421234567890123", host),
              *buildDealList(deck(52, 0), "1234567890123", host));
    EXPECT_FALSE(buildDealList(deck(52, 0), "12a4", host));
    // Only a 0 digit searches forwards: a different digit gives a different deal.
    EXPECT_NE(*buildDealList(deck(52, 0), "2", host), *buildDealList(deck(52, 0), "4", host));
}

TEST(Shuffle, UnsupportedDeckSizeDealsNothing) {
    HeadlessHost host;
    auto list = *buildDealList(deck(60, 0), "123", host);
    EXPECT_EQ(list, std::vector<int>(60, 0));
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, "Error 01 - fnGameNumberCardsArray");
    EXPECT_TRUE(buildDealList(deck(0, 0), "123", host)->empty());
}

TEST(Shuffle, StrippedDeckFillsEveryPosition) {
    HeadlessHost host;
    auto list = *buildDealList(deck(32, 0), "5551234", host);
    EXPECT_EQ(std::count(list.begin(), list.end(), 0), 0);
    std::sort(list.begin(), list.end());
    EXPECT_EQ(std::adjacent_find(list.begin(), list.end()), list.end());
}

}  // namespace
}  // namespace tarvelle
