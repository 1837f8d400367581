// The resource library TAR.RGF at run time: pictures, pointer shapes, sounds and card decks by name.
#include "table/ResourceLibrary.h"

#include <QFile>
#include <QPixmap>
#include <QResource>
#include <QSvgRenderer>

#include "table/CardArt.h"
#include "table/CardBacks.h"

namespace tarvelle {

namespace {

// A file that every library of ours holds: it tells TAR.RGF from any other
// resource file.
constexpr auto kMarkerPath = QLatin1StringView("/TAR.RGF");
constexpr auto kMarkerText = QByteArrayView("Tarvelle resource library");

}  // namespace

std::optional<QString> resourceFileName(std::string_view name) {
    if (name.empty()) return std::nullopt;
    QString result;
    result.reserve(static_cast<qsizetype>(name.size()));
    for (char c : name) {
        const bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
                           (c >= '0' && c <= '9') || c == '_' || c == '-';
        if (!plain) return std::nullopt;
        result += QChar(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
    }
    return result;
}

ResourceLibrary::ResourceLibrary() = default;

ResourceLibrary::~ResourceLibrary() { unload(); }

bool ResourceLibrary::load(const QString& path) {
    unload();
    error_.clear();
    auto in = std::make_unique<QFile>(path);
    if (!in->open(QIODevice::ReadOnly)) {
        error_ = in->errorString();
        return false;
    }
    // Mapped, the file is read only where a resource is looked up: the start
    // does not wait for all of it. Where it cannot be mapped it is read whole.
    const qint64 size = in->size();
    data_ = size > 0 ? in->map(0, size) : nullptr;
    if (data_) {
        mapped_ = std::move(in);
    } else {
        file_ = in->readAll();
        if (in->error() != QFileDevice::NoError) {
            error_ = in->errorString();
            file_.clear();
            return false;
        }
        data_ = reinterpret_cast<const uchar*>(file_.constData());
    }
    // The root names this object, so two libraries never share one and a
    // path of this library can never reach another's resources.
    const QString root = QStringLiteral("/tarvelle-rgf-%1")
                             .arg(reinterpret_cast<quintptr>(this), 0, 16);
    if (size <= 0 || !QResource::registerResource(data_, root)) {
        error_ = QStringLiteral("not a resource file");
        release();
        return false;
    }
    root_ = root;
    QResource marker(QLatin1Char(':') + root_ + kMarkerPath);
    if (!marker.isValid() || !marker.uncompressedData().startsWith(kMarkerText)) {
        unload();
        error_ = QStringLiteral("not a Tarvelle resource library");
        return false;
    }
    return true;
}

void ResourceLibrary::release() {
    data_ = nullptr;
    mapped_.reset();
    file_.clear();
}

void ResourceLibrary::unload() {
    for (auto& deck : decks_) deck.reset();
    if (!root_.isEmpty()) {
        QResource::unregisterResource(data_, root_);
        root_.clear();
    }
    release();
}

std::optional<QString> ResourceLibrary::path(const char* folder, std::string_view name,
                                             const char* suffix) const {
    if (root_.isEmpty()) return std::nullopt;
    const auto fileName = resourceFileName(name);
    if (!fileName) return std::nullopt;
    return QLatin1Char(':') + root_ + QLatin1Char('/') + QLatin1StringView(folder) +
           QLatin1Char('/') + *fileName + QLatin1StringView(suffix);
}

QByteArray ResourceLibrary::data(const char* folder, std::string_view name,
                                 const char* suffix) const {
    const auto resourcePath = path(folder, name, suffix);
    if (!resourcePath) return {};
    QResource resource(*resourcePath);
    if (!resource.isValid()) return {};
    return resource.uncompressedData();
}

QImage ResourceLibrary::bitmap(std::string_view name) const {
    const QByteArray bytes = data("bitmap", name, ".png");
    if (bytes.isEmpty()) return {};
    return QImage::fromData(bytes, "PNG");
}

bool ResourceLibrary::hasBitmap(std::string_view name) const {
    const auto resourcePath = path("bitmap", name, ".png");
    return resourcePath && QResource(*resourcePath).isValid();
}

QImage ResourceLibrary::cursorImage(std::string_view name) const {
    const QByteArray bytes = data("cursor", name, ".png");
    if (bytes.isEmpty()) return {};
    return QImage::fromData(bytes, "PNG");
}

std::optional<QCursor> ResourceLibrary::cursor(std::string_view name) const {
    const QImage image = cursorImage(name);
    if (image.isNull()) return std::nullopt;
    int x = 0;
    int y = 0;
    const QStringList hotSpot = image.text(QStringLiteral("HotSpot")).split(QLatin1Char(','));
    if (hotSpot.size() == 2) {
        x = qBound(0, hotSpot[0].toInt(), image.width() - 1);
        y = qBound(0, hotSpot[1].toInt(), image.height() - 1);
    }
    return QCursor(QPixmap::fromImage(image), x, y);
}

QByteArray ResourceLibrary::sound(std::string_view name) const {
    return data("sound", name, ".wav");
}

bool ResourceLibrary::hasSound(std::string_view name) const { return !sound(name).isEmpty(); }

QByteArray ResourceLibrary::deck(int faceSet) const {
    if (faceSet < 1 || faceSet > 999) return {};
    const std::string number = QStringLiteral("%1").arg(faceSet, 3, 10, QLatin1Char('0')).toStdString();
    return data("deck", number, ".svgz");
}

QSvgRenderer* ResourceLibrary::deckRenderer(int faceSet) const {
    if (faceSet < 1 || faceSet > kFaceSets) return nullptr;
    auto& renderer = decks_[static_cast<std::size_t>(faceSet - 1)];
    if (!renderer) {
        const QByteArray svg = deck(faceSet);
        if (svg.isEmpty()) return nullptr;
        renderer = std::make_unique<QSvgRenderer>(svg);
    }
    return renderer->isValid() ? renderer.get() : nullptr;
}

static_assert(ResourceLibrary::kFaceSets == cardart::kFaceSets);

QImage ResourceLibrary::cardFace(int faceSet, int imageIndex, QSize pixels) const {
    if (!isLoaded() || faceSet < 1 || faceSet > kFaceSets) return {};
    // Small faces and our own jokers need no deck; the others do.
    const bool needsDeck = pixels.width() >= cardart::kSmallFaceWidth &&
                           (imageIndex != cardart::kJokerImage ||
                            *cardart::faceSetStyle(faceSet).jokerElement != '\0');
    QSvgRenderer* renderer = needsDeck ? deckRenderer(faceSet) : nullptr;
    if (needsDeck && renderer == nullptr) return {};
    return cardart::renderFace(renderer, faceSet, imageIndex, pixels);
}

QImage ResourceLibrary::cardBack(int backNumber, QSize pixels) const {
    if (!isLoaded()) return {};
    return cardart::renderBack(backNumber, pixels, [this](int set) { return deckRenderer(set); });
}

}  // namespace tarvelle
