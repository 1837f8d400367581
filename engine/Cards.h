// Card codes, the properties that follow from a code, and the card table of face states.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace tarvelle {

inline constexpr int kGap = 0;
inline constexpr int kCardCodes = 108;
inline constexpr int kFirstJoker = 105;
inline constexpr int kJokerRank = 100;

enum class Suit { Hearts = 0, Diamonds = 1, Clubs = 2, Spades = 3 };

// Rank 1 (ace) to 13 (king), 100 for a joker, 0 for a gap, -1 for anything else.
int rank(int code);
// 0 hearts, 1 diamonds, 2 clubs, 3 spades; -1 for a joker or no card.
int suitIndex(int code);
bool isRed(int code);
bool isFaceCard(int code);
bool isJoker(int code);
// 0-51 for the faces of either deck, 52 for every joker.
int imageIndex(int code);
int previousRankWrapping(int rank);
int nextRankWrapping(int rank);
// "A", "2" ... "10", "J", "Q", "K".
std::string rankLetter(int rank);

// The three-digit code text: 7 gives "007".
std::string codeText(int code);
// The code of a three-digit text; -1 when the text is not three digits.
int codeOf(std::string_view text);

// 108 lines of 20 characters, line n for card code n + 1: name, suit digit,
// code and the face flag ("1" up, "0" down) at character 20.
class CardTable {
public:
    CardTable();
    // Writes the 108 lines of a fresh start, every card face up.
    void fill();

    const std::string& line(int code) const { return lines_[static_cast<size_t>(code - 1)]; }
    char faceFlag(int code) const;
    // False for a code below 1 or above 108.
    bool isFaceDown(int code) const;
    void setFaceFlag(int code, char flag);

private:
    std::array<std::string, kCardCodes> lines_;
};

}  // namespace tarvelle
