// The resource library TAR.RGF at run time: pictures, pointer shapes, sounds and card decks by name.
#pragma once

#include <QByteArray>
#include <QCursor>
#include <QImage>
#include <QSize>
#include <QString>
#include <array>
#include <memory>
#include <optional>
#include <string_view>

class QFile;
class QSvgRenderer;

namespace tarvelle {

// One loaded library file. Its contents stay mapped into memory, registered under a
// resource root of this object's own, until the object is unloaded or
// destroyed. Names are looked up without regard to case, as the program's
// resource names always were ("Card_up" and "card_up" are one sound).
//
// Inside the file every resource lies under a folder of its kind:
//   bitmap/NAME.png   pictures (card sheets, backs, marks, backgrounds, glyphs)
//   cursor/NAME.png   pointer shapes, their hot spot in the PNG text "HotSpot" ("x,y")
//   sound/NAME.wav    WAVE data of the sound words
//   deck/NNN.svgz     the scalable deck of face set NNN ("001" to "005")
// with NAME in upper case.
class ResourceLibrary {
public:
    static constexpr int kFaceSets = 5;

    ResourceLibrary();
    ~ResourceLibrary();
    ResourceLibrary(const ResourceLibrary&) = delete;
    ResourceLibrary& operator=(const ResourceLibrary&) = delete;

    // Reads the library file. On failure nothing stays loaded and
    // errorString() says why; a library loaded before is released first.
    bool load(const QString& path);
    void unload();
    bool isLoaded() const { return !root_.isEmpty(); }
    QString errorString() const { return error_; }

    // Each gives an empty result for a name the library does not hold.
    QImage bitmap(std::string_view name) const;
    std::optional<QCursor> cursor(std::string_view name) const;
    QImage cursorImage(std::string_view name) const;
    QByteArray sound(std::string_view name) const;
    // The deck of a face set (1 to 5) as stored: gzip-compressed SVG, which
    // QSvgRenderer reads as it is.
    QByteArray deck(int faceSet) const;

    // Card pictures drawn from the decks at exactly the given pixel size, for
    // screens whose pixels are finer than the stored sheets: a face image 0-52
    // (the card-code order of the sheets, then the joker) of a face set 1-5,
    // and a back 1-27. Empty when the set, the image or the back is unknown.
    // The decks are read the first time they are needed.
    QImage cardFace(int faceSet, int imageIndex, QSize pixels) const;
    QImage cardBack(int backNumber, QSize pixels) const;

    // Whether the library holds a resource of that kind and name.
    bool hasBitmap(std::string_view name) const;
    bool hasSound(std::string_view name) const;

private:
    std::optional<QString> path(const char* folder, std::string_view name,
                                const char* suffix) const;
    QByteArray data(const char* folder, std::string_view name, const char* suffix) const;
    QSvgRenderer* deckRenderer(int faceSet) const;

    void release();

    // The library's bytes, which the registration reads in place: the file
    // mapped into memory, or read into file_ where it cannot be mapped.
    std::unique_ptr<QFile> mapped_;
    QByteArray file_;
    const uchar* data_ = nullptr;
    QString root_;     // empty while nothing is loaded
    QString error_;
    mutable std::array<std::unique_ptr<QSvgRenderer>, kFaceSets> decks_;
};

// The resource path of a name: upper case, and only names made of letters,
// digits, "_" and "-" lead anywhere.
std::optional<QString> resourceFileName(std::string_view name);

}  // namespace tarvelle
