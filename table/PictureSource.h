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
};

}  // namespace tarvelle
