// Where the table finds its pictures by resource name: the resource library
// on screen, or pictures made by tests.
#pragma once

#include <QImage>
#include <string_view>

namespace tarvelle {

class PictureSource {
public:
    virtual ~PictureSource() = default;
    // The picture of the name; a null image when there is none.
    virtual QImage picture(std::string_view name) const = 0;
    // A face (image 0-52 of face set 1-5) or a back (1-27) drawn at exactly
    // that many pixels, for screens finer than the stored pictures; a null
    // image when the source cannot draw one, and the stored picture is scaled.
    virtual QImage cardFace(int /*faceSet*/, int /*imageIndex*/, QSize /*pixels*/) const {
        return {};
    }
    virtual QImage cardBack(int /*backNumber*/, QSize /*pixels*/) const { return {}; }
};

}  // namespace tarvelle
