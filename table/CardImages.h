// The card pictures in memory at the current card size: faces, joker, back,
// empty-pile and rank marks, shadow and 3D border strips.
#pragma once

#include <QImage>
#include <array>
#include <map>
#include <string>

#include "engine/EngineState.h"
#include "table/PictureSource.h"

namespace tarvelle {

class CardImages {
public:
    CardImages(EngineState& state, const PictureSource& pictures);

    // Takes W and H from the card-size letter (any other letter keeps the size
    // there is), reloads every card picture and takes a fresh working image.
    void setCardSize();
    // The marks, the back and the strips unless facesOnly, then always the
    // four suit sheets and the joker. Nothing loads before the card table is filled.
    void loadCardImages(bool facesOnly);
    // "D" + size + back number; at size "M" every back but "011" is the big
    // back scaled down.
    void loadBack();

    // Pictures at that many pixels per table pixel (see TablePainter).
    void setDevicePixelRatio(qreal ratio);

    // The card size in table pixels; the pictures hold ratio times as many.
    int width() const { return width_; }
    int height() const { return height_; }
    char sizeLetter() const { return letter_; }

    // Face 0-51 by image index, 52 the joker; a null image outside that range.
    const QImage& face(int imageIndex) const;
    const QImage& back() const { return back_; }
    // The mark "W" + size + suffix; marks not loaded with the others (such as
    // "021") are loaded the first time they are asked for.
    const QImage& mark(const std::string& suffix) const;
    // Strips 1 and 2, with their transparent colour made transparent.
    const QImage& shadow(int n) const { return shadows_[n == 2 ? 1 : 0]; }
    const QImage& border(int n) const { return borders_[n == 2 ? 1 : 0]; }
    // Scratch space of card size, a copy of face 0 when the size was set.
    QImage& working() { return working_; }

private:
    QImage load(const std::string& name) const;
    QSize pixels() const;
    QImage toPixels(QImage image) const;
    QImage loadKeyed(const std::string& name, QRgb transparent) const;

    EngineState& state_;
    const PictureSource& pictures_;
    int width_ = 71;
    int height_ = 96;
    char letter_ = 'B';
    qreal ratio_ = 1;
    std::array<QImage, 53> faces_;
    QImage back_;
    mutable std::map<std::string, QImage> marks_;
    std::array<QImage, 2> shadows_;
    std::array<QImage, 2> borders_;
    QImage working_;
};

// The random face set (size "B" only) and the random back of a new game, as
// the settings ask; reloads what changed.
void chooseRandomCardSets(EngineState& state, CardImages& images);

}  // namespace tarvelle
