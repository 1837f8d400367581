// Card codes, the properties that follow from a code, and the card table of face states.
#include "engine/Cards.h"

namespace tarvelle {

namespace {
int foldSecondDeck(int code) { return code > 52 && code <= 104 ? code - 52 : code; }
}  // namespace

int rank(int code) {
    if (code == kGap) return 0;
    if (code >= kFirstJoker && code <= kCardCodes) return kJokerRank;
    int c = foldSecondDeck(code);
    if (c >= 1 && c <= 52) return (c - 1) % 13 + 1;
    return -1;
}

int suitIndex(int code) {
    int c = foldSecondDeck(code);
    if (c >= 1 && c <= 52) return (c - 1) / 13;
    return -1;
}

bool isRed(int code) { return (code >= 1 && code <= 26) || (code >= 53 && code <= 78); }

bool isFaceCard(int code) {
    int r = rank(code);
    return r >= 11 && r <= 13;
}

bool isJoker(int code) { return code >= kFirstJoker && code <= kCardCodes; }

int imageIndex(int code) {
    if (code >= 1 && code <= 52) return code - 1;
    if (code >= 53 && code <= 104) return code - 53;
    return 52;
}

int previousRankWrapping(int r) { return r == 1 ? 13 : r - 1; }
int nextRankWrapping(int r) { return r == 13 ? 1 : r + 1; }

std::string rankLetter(int r) {
    switch (r) {
        case 1: return "A";
        case 11: return "J";
        case 12: return "Q";
        case 13: return "K";
        default: return std::to_string(r);
    }
}

std::string codeText(int code) {
    std::string text = "000";
    text[0] = static_cast<char>('0' + code / 100 % 10);
    text[1] = static_cast<char>('0' + code / 10 % 10);
    text[2] = static_cast<char>('0' + code % 10);
    return text;
}

int codeOf(std::string_view text) {
    if (text.size() != 3) return -1;
    int code = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return -1;
        code = code * 10 + (c - '0');
    }
    return code;
}

CardTable::CardTable() { fill(); }

void CardTable::fill() {
    static constexpr std::array<std::string_view, 4> kSuitWords{"CUORI", "QUADR", "FIORI", "PICCH"};
    for (int code = 1; code <= kCardCodes; ++code) {
        std::string name;
        char suitDigit = '4';
        if (isJoker(code)) {
            name = "JOKER";
        } else {
            int r = rank(code);
            int s = suitIndex(code);
            std::string rankText = r == 1 ? "A" : r >= 11 ? rankLetter(r) : (r < 10 ? "0" : "") + std::to_string(r);
            name = std::string(kSuitWords[static_cast<size_t>(s)]) + "_" + rankText;
            suitDigit = static_cast<char>('1' + s);
        }
        name.resize(15, ' ');
        lines_[static_cast<size_t>(code - 1)] = name + suitDigit + codeText(code) + "1";
    }
}

char CardTable::faceFlag(int code) const {
    if (code < 1 || code > kCardCodes) return '1';
    return line(code)[19];
}

bool CardTable::isFaceDown(int code) const {
    if (code < 1 || code > kCardCodes) return false;
    return line(code)[19] == '0';
}

void CardTable::setFaceFlag(int code, char flag) {
    if (code < 1 || code > kCardCodes) return;
    lines_[static_cast<size_t>(code - 1)][19] = flag;
}

}  // namespace tarvelle
