// The card pictures in memory at the current card size: faces, joker, back,
// empty-pile and rank marks, shadow and 3D border strips.
#include "table/CardImages.h"

#include <QPainter>
#include <cmath>

#include "engine/CardPositions.h"
#include "records/Numbers.h"
#include "records/SettingsFields.h"

namespace tarvelle {

namespace {

constexpr QRgb kWhite = 0xFFFFFFFFu;
constexpr QRgb kBlue = 0xFF0000FFu;  // 0xFF0000 in the library's colour order

// The marks loaded with the card pictures; "004" serves the empty foundation
// and the empty tableau pile with a fill rule alike.
constexpr const char* kMarks[] = {"_WASTE", "_TABLEAU", "001", "003", "004", "005", "006",
                                  "008",    "009",      "010", "011", "012", "013", "014",
                                  "015",    "016",      "017", "018", "019", "020", "022"};

constexpr const char* kSuitLetters[] = {"H", "D", "C", "S"};

QImage premultiplied(QImage image) {
    if (image.isNull()) return image;
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

}  // namespace

CardImages::CardImages(EngineState& state, const PictureSource& pictures)
    : state_(state), pictures_(pictures) {}

QImage CardImages::load(const std::string& name) const {
    return toPixels(premultiplied(pictures_.picture(name)));
}

QSize CardImages::pixels() const {
    return QSize(static_cast<int>(std::lround(width_ * ratio_)),
                 static_cast<int>(std::lround(height_ * ratio_)));
}

// A stored picture at the pixels of the screen.
QImage CardImages::toPixels(QImage image) const {
    if (image.isNull() || ratio_ == 1) return image;
    const QSize size(static_cast<int>(std::lround(image.width() * ratio_)),
                     static_cast<int>(std::lround(image.height() * ratio_)));
    return image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

void CardImages::setDevicePixelRatio(qreal ratio) {
    if (ratio <= 0 || ratio == ratio_) return;
    ratio_ = ratio;
    setCardSize();
}

QImage CardImages::loadKeyed(const std::string& name, QRgb transparent) const {
    QImage image = pictures_.picture(name);
    if (image.isNull()) return image;
    image = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if ((line[x] | 0xFF000000u) == transparent) line[x] = 0;
    }
    return toPixels(premultiplied(image));
}

void CardImages::setCardSize() {
    const std::string size = state_.settings.get(setting::CardSize);
    if (size == "B" || size == "M" || size == "L") {
        const Point wh = cardSizeOf(size[0]);
        width_ = wh.x;
        height_ = wh.y;
        letter_ = size[0];
    }
    state_.cardWidth = width_;
    state_.cardHeight = height_;
    loadCardImages(false);
    working_ = faces_[0].isNull() ? QImage(pixels(), QImage::Format_ARGB32_Premultiplied)
                                  : faces_[0].copy();
}

void CardImages::loadCardImages(bool facesOnly) {
    const std::string size(1, letter_);
    if (!facesOnly) {
        marks_.clear();
        for (const char* suffix : kMarks) marks_[suffix] = load("W" + size + suffix);
        loadBack();
        shadows_[0] = loadKeyed("SHADOW_" + size + "1", kWhite);
        shadows_[1] = loadKeyed("SHADOW_" + size + "2", kWhite);
        borders_[0] = loadKeyed("3D_BORDER_" + size + "1", kBlue);
        borders_[1] = loadKeyed("3D_BORDER_" + size + "2", kBlue);
    }
    const std::string set = state_.settings.get(setting::CardSet);
    const int setNumber = static_cast<int>(state_.settings.getNumber(setting::CardSet).value_or(0));
    for (int suit = 0; suit < 4; ++suit) {
        const QImage sheet =
            premultiplied(pictures_.picture("C" + size + set + kSuitLetters[suit]));
        for (int rankIndex = 0; rankIndex < 13; ++rankIndex) {
            const int index = 13 * suit + rankIndex;
            QImage& face = faces_[static_cast<size_t>(index)];
            if (ratio_ != 1) {
                face = premultiplied(pictures_.cardFace(setNumber, index, pixels()));
                if (!face.isNull()) continue;
            }
            const QRect cell((rankIndex % 5) * width_, (rankIndex / 5) * height_, width_, height_);
            face = sheet.isNull() || !sheet.rect().contains(cell) ? QImage()
                                                                  : toPixels(sheet.copy(cell));
        }
    }
    faces_[52] =
        ratio_ != 1 ? premultiplied(pictures_.cardFace(setNumber, 52, pixels())) : QImage();
    if (faces_[52].isNull()) faces_[52] = load("JOKER_" + size);
}

void CardImages::loadBack() {
    const std::string number = state_.settings.get(setting::BackCard);
    if (ratio_ != 1) {
        back_ = premultiplied(pictures_.cardBack(
            static_cast<int>(state_.settings.getNumber(setting::BackCard).value_or(0)), pixels()));
        if (!back_.isNull()) return;
    }
    if (letter_ == 'M' && number != "011") {
        const QImage big = load("DB" + number);
        back_ = big.isNull()
                    ? big
                    : big.scaled(pixels(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    } else {
        back_ = load(std::string("D") + letter_ + number);
    }
}

const QImage& CardImages::face(int imageIndex) const {
    static const QImage none;
    if (imageIndex < 0 || imageIndex > 52) return none;
    return faces_[static_cast<size_t>(imageIndex)];
}

const QImage& CardImages::mark(const std::string& suffix) const {
    auto at = marks_.find(suffix);
    if (at == marks_.end())
        at = marks_.emplace(suffix, load(std::string("W") + letter_ + suffix)).first;
    return at->second;
}

void chooseRandomCardSets(EngineState& state, CardImages& images) {
    SettingsRecord& st = state.settings;
    if (st.isYes(setting::RandomCard) && st.get(setting::CardSize) == "B") {
        const int set = 1 + static_cast<int>(state.random.below(5));
        if (st.getNumber(setting::CardSet) != set) {
            st.put(setting::CardSet, formatFixed(set, 3));
            images.setCardSize();
        }
    }
    if (st.isYes(setting::RandomDeck)) {
        const int back = 1 + static_cast<int>(state.random.below(27));
        if (st.getNumber(setting::BackCard) != back) {
            st.put(setting::BackCard, formatFixed(back, 3));
            images.loadBack();
        }
    }
}

}  // namespace tarvelle
