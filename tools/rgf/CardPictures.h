// The card pictures of the library: suit sheets, jokers and backs at the three card sizes, and the decks.
#pragma once

#include <QByteArray>
#include <QSize>
#include <QString>
#include <array>
#include <memory>

#include "table/CardArt.h"

class QSvgRenderer;

namespace tarvelle::rgf {

class ResourceFolder;

// The card size letters and their sizes in pixels.
struct CardSize {
    char letter;
    QSize pixels;
};
inline constexpr std::array<CardSize, 3> kCardSizes = {{
    {'B', QSize(71, 96)}, {'M', QSize(59, 80)}, {'L', QSize(25, 32)}}};

// The five decks of the face sets, read from the installed card decks.
class Decks {
public:
    Decks();
    ~Decks();
    // False, with the reason on stderr, when a deck is missing or unreadable.
    bool load(const QString& cardDecksFolder);
    QSvgRenderer* renderer(int faceSet) const;
    const QByteArray& file(int faceSet) const;

private:
    std::array<QByteArray, cardart::kFaceSets> files_;
    std::array<std::unique_ptr<QSvgRenderer>, cardart::kFaceSets> renderers_;
};

// The suit sheet of one suit: five columns and three rows of cards, ranks
// 1-5, 6-10 and jack, queen, king.
QImage suitSheet(const Decks& decks, int faceSet, cardart::Suit suit, QSize card);

void addCardPictures(ResourceFolder& folder, const Decks& decks);

}  // namespace tarvelle::rgf
