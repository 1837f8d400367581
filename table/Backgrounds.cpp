// The table's background: the default green, a fixed colour that may fade to
// black, a tiled or single library picture, or a picture file of the player's.
#include "table/Backgrounds.h"

#include <QPainter>
#include <cmath>

#include "records/Configuration.h"
#include "records/Files.h"
#include "records/IniFile.h"
#include "records/Numbers.h"
#include "records/SettingsFields.h"

namespace tarvelle {

namespace {

constexpr int kDefaultGreenManyColours = 0x006000;
constexpr int kDefaultGreenFewColours = 0x008000;
constexpr std::string_view kCustomizedKey = "Customized_Background";

bool manyColours(const EngineState& state) {
    return screenHasManyColours(state.host.screen());
}

std::string pictureName(int number) {
    return "B" + formatFixed(number, 3);
}

void fill(QImage& image, QRgb colour) {
    image.fill(QColor::fromRgb(colour));
}

// A picture at the pixels of an image finer than the table's.
QImage atPixelsOf(const QImage& image, const QImage& picture) {
    const qreal ratio = image.devicePixelRatio();
    if (ratio == 1 || picture.isNull()) return picture;
    return picture.scaled(static_cast<int>(std::lround(picture.width() * ratio)),
                          static_cast<int>(std::lround(picture.height() * ratio)),
                          Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// Repeats the picture in rows from the top-left corner until the area is covered.
void tile(QImage& image, const QImage& stored) {
    QImage picture = atPixelsOf(image, stored);
    picture.setDevicePixelRatio(1);
    const qreal ratio = image.devicePixelRatio();
    image.setDevicePixelRatio(1);
    QPainter painter(&image);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    for (int y = 0; y < image.height(); y += picture.height())
        for (int x = 0; x < image.width(); x += picture.width()) painter.drawImage(x, y, picture);
    painter.end();
    image.setDevicePixelRatio(ratio);
}

// 256 bands from the bottom up, black at the bottom, the colour at the top;
// the area reaches `extra` rows beyond the image.
void fade(QImage& image, QRgb colour, int extra) {
    const int area = image.height() + 1 + extra;
    const int r = qRed(colour), g = qGreen(colour), b = qBlue(colour);
    for (int n = 0; n < 256; ++n) {
        const int lower = area - n * area / 256;
        const int upper = area - (n + 1) * area / 256;
        // Band 255 is the colour itself, so the top row shows what was chosen.
        const QRgb band = qRgb(n * r / 255, n * g / 255, n * b / 255);
        for (int y = std::max(upper, 0); y < std::min(lower, image.height()); ++y) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            std::fill(line, line + image.width(), band);
        }
    }
}

// The player's picture file; false (after the message and the switch back to
// the default) when it cannot be read.
bool paintCustomizedFile(EngineState& state, QImage& image) {
    IniFile ini(configPath(state.settings));
    const std::string path = ini.readString(kPreferenceSection, kCustomizedKey, "");
    QImage picture;
    if (!path.empty() && files::exists(path)) picture.load(QString::fromLocal8Bit(path.c_str()));
    if (!picture.isNull()) {
        tile(image, picture.convertToFormat(QImage::Format_RGB32));
        return true;
    }
    showInformation(state.host, "Customized background image not found: " + path);
    state.settings.put(setting::HasCustomizedBackground, "N");
    state.settings.put(setting::BackgroundDefault, "Y");
    ini.writeStrings(kPreferenceSection,
                     {{std::string(kCustomizedKey), ""}, {"Background_Def", "Y"}});
    return false;
}

}  // namespace

QRgb colourOf(std::int32_t value) {
    if (value < 0) {
        // The system colours the stored values name; the button face is the usual one.
        switch (value & 0xFF) {
            case 5: return qRgb(255, 255, 255);   // window
            case 15: return qRgb(240, 240, 240);  // button face
            case 16: return qRgb(160, 160, 160);  // button shadow
            default: return qRgb(192, 192, 192);
        }
    }
    return qRgb(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

Background currentBackground(const EngineState& state) {
    const SettingsRecord& st = state.settings;
    Background b;
    if (st.isYes(setting::BackgroundDefault)) return b;
    if (st.isYes(setting::HasCustomizedBackground)) {
        b.kind = BackgroundKind::CustomizedFile;
        return b;
    }
    if (const auto picture = st.getNumber(setting::BackgroundBitmap); picture && *picture != 0) {
        b.kind = BackgroundKind::Picture;
        b.picture = static_cast<int>(*picture);
        return b;
    }
    b.kind = BackgroundKind::Colour;
    const auto fixed = parseInteger32(st.get(setting::BackgroundFixedColour));
    const auto other = parseInteger32(st.get(setting::BackgroundColour));
    b.colour = fixed && *fixed > 0 ? *fixed : other.value_or(0);
    return b;
}

void paintBackground(EngineState& state, const PictureSource& pictures, QImage& image,
                     const Background& background, int fadeExtra) {
    if (image.isNull()) return;
    if (state.flags[Flag::Demo]) {
        const QImage demo = pictures.picture("Y001");
        if (!demo.isNull()) tile(image, demo.convertToFormat(QImage::Format_RGB32));
        return;
    }
    const QRgb green =
        colourOf(manyColours(state) ? kDefaultGreenManyColours : kDefaultGreenFewColours);
    switch (background.kind) {
        case BackgroundKind::Default: fill(image, green); return;
        case BackgroundKind::Colour:
            fill(image, colourOf(background.colour));
            if (state.settings.isYes(setting::FadeBackground) && manyColours(state))
                fade(image, colourOf(background.colour), fadeExtra);
            return;
        case BackgroundKind::CustomizedFile:
            if (!paintCustomizedFile(state, image)) fill(image, green);
            return;
        case BackgroundKind::Picture: {
            const QImage picture = pictures.picture(pictureName(background.picture));
            if (picture.isNull()) return;
            if (background.picture > 499) {
                // A single picture: what it does not cover keeps the default green.
                fill(image, green);
                QPainter(&image).drawImage(0, 0, picture);  // at the image's own pixel ratio
            } else {
                tile(image, picture.convertToFormat(QImage::Format_RGB32));
            }
            return;
        }
    }
}

void chooseRandomBackground(EngineState& state, const PictureSource& pictures) {
    SettingsRecord& st = state.settings;
    st.put(setting::BackgroundDefault, "N");
    st.put(setting::BackgroundBitmap, "0");
    st.put(setting::BackgroundFixedColour, "0");
    st.put(setting::HasCustomizedBackground, "N");
    const bool many = manyColours(state);
    const int f = st.isYes(setting::FadeBackground) ? 6 : 0;
    const int r = many ? 257 + static_cast<int>(state.random.below(67 + f))
                       : 101 + static_cast<int>(state.random.below(11));
    const int b = many ? 324 : 106;
    static constexpr int kColours[] = {0xFF0000, 0x8000, 0x800000, 0x8080, 0x808000};
    if (r > b && r <= b + 5) {
        st.put(setting::BackgroundFixedColour, std::to_string(kColours[r - b - 1]));
        return;
    }
    // The first picture the library holds, counting down from the draw.
    const int lowest = many ? 257 : 101;
    for (int n = r; n >= lowest; --n) {
        if (!pictures.picture(pictureName(n)).isNull()) {
            st.put(setting::BackgroundBitmap, std::to_string(n));
            return;
        }
    }
}

}  // namespace tarvelle
