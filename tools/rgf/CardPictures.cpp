// The card pictures of the library: suit sheets, jokers and backs at the three card sizes, and the decks.
#include "tools/rgf/CardPictures.h"

#include <QFile>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

#include "table/CardBacks.h"
#include "tools/rgf/ResourceFolder.h"

namespace tarvelle::rgf {

namespace {

constexpr std::array<char, 4> kSuitLetters = {'H', 'D', 'C', 'S'};

QString threeDigits(int number) { return QStringLiteral("%1").arg(number, 3, 10, QLatin1Char('0')); }

}  // namespace

Decks::Decks() = default;
Decks::~Decks() = default;

bool Decks::load(const QString& cardDecksFolder) {
    for (int set = 1; set <= cardart::kFaceSets; ++set) {
        const auto& style = cardart::faceSetStyle(set);
        const QString path = cardDecksFolder + QLatin1Char('/') + QLatin1String(style.deckFolder) +
                             QLatin1Char('/') + QLatin1String(style.deckFile);
        QFile in(path);
        if (!in.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "tarvelle-rgf: cannot read the deck %s\n", qPrintable(path));
            return false;
        }
        auto& bytes = files_[static_cast<std::size_t>(set - 1)];
        bytes = in.readAll();
        auto renderer = std::make_unique<QSvgRenderer>(bytes);
        if (!renderer->isValid()) {
            std::fprintf(stderr, "tarvelle-rgf: not a deck: %s\n", qPrintable(path));
            return false;
        }
        renderers_[static_cast<std::size_t>(set - 1)] = std::move(renderer);
    }
    return true;
}

QSvgRenderer* Decks::renderer(int faceSet) const {
    if (faceSet < 1 || faceSet > cardart::kFaceSets) return nullptr;
    return renderers_[static_cast<std::size_t>(faceSet - 1)].get();
}

const QByteArray& Decks::file(int faceSet) const {
    return files_[static_cast<std::size_t>(faceSet - 1)];
}

QImage suitSheet(const Decks& decks, int faceSet, cardart::Suit suit, QSize card) {
    QImage sheet(card.width() * 5, card.height() * 3, QImage::Format_ARGB32_Premultiplied);
    sheet.fill(Qt::transparent);
    QPainter painter(&sheet);
    for (int rank = 1; rank <= 13; ++rank) {
        const int cell = rank - 1;
        const int image = static_cast<int>(suit) * 13 + cell;
        const QImage face = cardart::renderFace(decks.renderer(faceSet), faceSet, image, card);
        if (face.isNull()) return {};
        painter.drawImage((cell % 5) * card.width(), (cell / 5) * card.height(), face);
    }
    return sheet;
}

void addCardPictures(ResourceFolder& folder, const Decks& decks) {
    for (int set = 1; set <= cardart::kFaceSets; ++set) folder.addDeck(set, decks.file(set));
    const auto deckOfSet = [&decks](int set) { return decks.renderer(set); };
    for (const CardSize& size : kCardSizes) {
        const QString letter = QString(QLatin1Char(size.letter));
        for (int set = 1; set <= cardart::kFaceSets; ++set) {
            for (int suit = 0; suit < 4; ++suit) {
                folder.addBitmap(QLatin1Char('C') + letter + threeDigits(set) +
                                     QLatin1Char(kSuitLetters[static_cast<std::size_t>(suit)]),
                                 suitSheet(decks, set, static_cast<cardart::Suit>(suit), size.pixels));
            }
            // The joker of each set; the plain name carries the first set's.
            const QImage joker = cardart::renderFace(decks.renderer(set), set, cardart::kJokerImage,
                                                     size.pixels);
            folder.addBitmap(QStringLiteral("JOKER_") + letter + threeDigits(set), joker);
            if (set == 1) folder.addBitmap(QStringLiteral("JOKER_") + letter, joker);
        }
        for (int back = 1; back <= cardart::kBacks; ++back) {
            folder.addBitmap(QLatin1Char('D') + letter + threeDigits(back),
                             cardart::renderBack(back, size.pixels, deckOfSet));
        }
    }
}

}  // namespace tarvelle::rgf
