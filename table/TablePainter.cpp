// The table on screen: the table image and the background image, and every
// drawing operation the main window calls to keep them showing the game.
#include "table/TablePainter.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "engine/Table.h"
#include "records/SettingsFields.h"
#include "table/PileMarks.h"

namespace tarvelle {

namespace {

constexpr QRgb kGreyCorner = 0xFFC0C0C0u;
constexpr int kThicknessRoom = 15;

bool isSelectionGame(const RuleTable& r) {
    const int kind = r[rule::GameKind];
    return kind == 3 || kind == 4 || kind == 33 || r[rule::SelectionGame] != 0;
}

// Source-over of a premultiplied picture onto an opaque image.
inline QRgb over(QRgb src, QRgb dst) {
    const unsigned a = qAlpha(src);
    if (a == 255) return src;
    if (a == 0) return dst;
    const unsigned keep = 255 - a;
    return qRgb(static_cast<int>(qRed(src) + qRed(dst) * keep / 255),
                static_cast<int>(qGreen(src) + qGreen(dst) * keep / 255),
                static_cast<int>(qBlue(src) + qBlue(dst) * keep / 255));
}

// The pixels cut from the corners of a card of the given size: the corner and
// its two neighbours along the edges, or the corner alone for little cards.
struct Corners {
    std::array<QPoint, 12> points;
    int count = 0;  // per corner: 1 or 3
    // Corners 0 top-left, 1 top-right, 2 bottom-left, 3 bottom-right.
    const QPoint* corner(int n) const { return points.data() + n * 3; }
};

Corners cornersOf(const QRect& r, bool little) {
    const int l = r.left(), t = r.top(), rt = r.right(), b = r.bottom();
    Corners c;
    c.count = little ? 1 : 3;
    c.points = {QPoint(l, t),      QPoint(l + 1, t),  QPoint(l, t + 1),  QPoint(rt, t),
                QPoint(rt - 1, t), QPoint(rt, t + 1), QPoint(l, b),      QPoint(l + 1, b),
                QPoint(l, b - 1),  QPoint(rt, b),     QPoint(rt - 1, b), QPoint(rt, b - 1)};
    return c;
}

inline QRgb* pixel(QImage& image, QPoint p) {
    return reinterpret_cast<QRgb*>(image.scanLine(p.y())) + p.x();
}
inline QRgb pixelOf(const QImage& image, QPoint p) {
    return reinterpret_cast<const QRgb*>(image.constScanLine(p.y()))[p.x()];
}

}  // namespace

int stockThickness(int cards) {
    if (cards <= 1) return 0;
    if (cards == 2) return 1;
    return std::min(cards / 7 + 1, 15);
}

TablePainter::TablePainter(EngineState& state, const PictureSource& pictures)
    : state_(state), pictures_(pictures), cards_(state, pictures) {
    looks_.fill("-");
}

// --- Images -------------------------------------------------------------------

void TablePainter::setScreenSize(int width, int height) {
    screenWidth_ = width;
    screenHeight_ = height;
    width_ = width + 30;
    height_ = height + 30;
    makeImages();
    clearTableImage();
}

void TablePainter::setDevicePixelRatio(qreal ratio) {
    if (ratio <= 0 || ratio == ratio_) return;
    ratio_ = ratio;
    cards_.setDevicePixelRatio(ratio);
    if (width_ > 0) {
        makeImages();
        clearTableImage();
    }
}

void TablePainter::makeImages() {
    const QSize pixels(static_cast<int>(std::ceil(width_ * ratio_)),
                       static_cast<int>(std::ceil(height_ * ratio_)));
    QImage table(pixels, QImage::Format_RGB32);
    QImage background(pixels, QImage::Format_RGB32);
    table.fill(Qt::black);
    background.fill(Qt::black);
    // What the images held stays where it was; a repaint follows.
    const int rows = std::min(table.height(), table_.height());
    const size_t bytes = static_cast<size_t>(std::min(table.bytesPerLine(), table_.bytesPerLine()));
    for (int y = 0; y < rows && table_.size().width() == table.width(); ++y) {
        std::memcpy(table.scanLine(y), table_.constScanLine(y), bytes);
        std::memcpy(background.scanLine(y), background_.constScanLine(y), bytes);
    }
    table.setDevicePixelRatio(ratio_);
    background.setDevicePixelRatio(ratio_);
    table_ = std::move(table);
    background_ = std::move(background);
}

void TablePainter::growImages(int rows) {
    if (rows <= 0) return;
    height_ += rows;
    makeImages();
}

QRect TablePainter::bounds() const {
    return QRect(0, 0, width_, height_);
}

QRect TablePainter::toPixels(const QRect& r) const {
    if (ratio_ == 1) return r;
    const int left = static_cast<int>(std::floor(r.left() * ratio_));
    const int top = static_cast<int>(std::floor(r.top() * ratio_));
    const int right = static_cast<int>(std::ceil((r.left() + r.width()) * ratio_));
    const int bottom = static_cast<int>(std::ceil((r.top() + r.height()) * ratio_));
    return QRect(left, top, right - left, bottom - top);
}

QPoint TablePainter::toPixels(QPoint p) const {
    if (ratio_ == 1) return p;
    return QPoint(static_cast<int>(std::lround(p.x() * ratio_)),
                  static_cast<int>(std::lround(p.y() * ratio_)));
}

int TablePainter::scrollPosition() const {
    return state_.catalogue.scrollOffset();
}

QPoint TablePainter::toTable(Point p) const {
    return QPoint(p.x, p.y + scrollPosition());
}

QRect TablePainter::cardRect(Point p) const {
    return QRect(toTable(p), QSize(cards_.width(), cards_.height()));
}

void TablePainter::changed(const QRect& rect) {
    if (onChanged && !rect.isEmpty()) onChanged(rect);
}

void TablePainter::copyBackground(const QRect& area) {
    const QRect r = toPixels(area & bounds()) & table_.rect() & background_.rect();
    if (r.isEmpty()) return;
    const size_t bytes = static_cast<size_t>(r.width()) * sizeof(QRgb);
    for (int y = r.top(); y <= r.bottom(); ++y)
        std::memcpy(reinterpret_cast<QRgb*>(table_.scanLine(y)) + r.left(),
                    reinterpret_cast<const QRgb*>(background_.constScanLine(y)) + r.left(), bytes);
}

// --- New games ------------------------------------------------------------------

void TablePainter::chooseRandomLooks() {
    if (state_.settings.isYes(setting::RandomBackground)) {
        chooseRandomBackground(state_, pictures_);
        paintBackground(state_, pictures_, background_, currentBackground(state_),
                        scrollBarShown_ ? 80 : 0);
    }
    if (state_.settings.isYes(setting::RandomCard) || state_.settings.isYes(setting::RandomDeck))
        chooseRandomCardSets(state_, cards_);
}

void TablePainter::clearTableImage() {
    paintBackground(state_, pictures_, background_, currentBackground(state_),
                    scrollBarShown_ ? 80 : 0);
    copyBackground(bounds());
    extent_ = 0;
    looks_.fill("-");
    extents_.fill(QRect());
    changed(bounds());
}

void TablePainter::repaint(const WindowMetrics& metrics) {
    if (paused_) return;
    layOutTable(state_, metrics);
    clearTableImage();
    drawTable();
}

// --- The piles and the order they are drawn in -------------------------------------

int TablePainter::pileIndex(PileRef pile) {
    switch (pile.collection) {
        case Collection::StockGroup: return pile.slot;
        case Collection::Foundations: return kStockSlots + pile.slot;
        case Collection::Tableau: return kStockSlots + kFoundationSlots + pile.slot;
        case Collection::Reserves:
            return kStockSlots + kFoundationSlots + kTableauSlots + pile.slot;
    }
    return 0;
}

PileRef TablePainter::pileAt(int index) {
    return snapshotSlot(index);
}

bool TablePainter::isShown(PileRef pile) const {
    const RuleTable& r = state_.rules;
    switch (pile.collection) {
        case Collection::StockGroup:
            if (isHidden(Point{stockCopy(state_, pile.slot).x, 0})) return false;
            break;
        case Collection::Foundations:
            if (pile.slot >= r.foundations() || (pile.slot == 0 && isSelectionGame(r)))
                return false;
            break;
        case Collection::Tableau:
            if (pile.slot >= r.tableauPiles()) return false;
            break;
        case Collection::Reserves:
            if (pile.slot >= r.reserves()) return false;
            break;
    }
    const Point at = pilePosition(state_, pile);
    return !isHidden(at) && at.y >= kHiddenBelow - scrollPosition();
}

void TablePainter::addPileSteps(std::vector<DrawStep>& steps, PileRef pile) const {
    const std::string& text = *state_.piles.pile(pile.collection, pile.slot);
    const QRect base = cardRect(pilePosition(state_, pile));
    if (text.empty()) {
        if (markOf(state_, pile)) steps.push_back({DrawStep::Kind::Mark, pile, 0, base});
        return;
    }
    for (int i = 0; i < positions(text); ++i) {
        QRect rect = cardRect(cardPositionAt(state_, pile, i));
        if (i == 0) rect |= base;
        steps.push_back({DrawStep::Kind::Card, pile, i, rect});
    }
}

bool TablePainter::gameOnTable() const {
    // The demo player steps through a game that is no longer in progress.
    return state_.flags[Flag::InProgress] || state_.flags[Flag::Demo];
}

std::vector<TablePainter::DrawStep> TablePainter::drawSteps() const {
    std::vector<DrawStep> steps;
    if (!gameOnTable()) return steps;
    const int W = cards_.width(), H = cards_.height();
    for (int slot = 0; slot < kStockSlots; ++slot) {
        const PileRef pile{Collection::StockGroup, slot};
        if (!isShown(pile)) continue;
        const StockCopy copy = stockCopy(state_, slot);
        const QRect rect(copy.x - kThicknessRoom, copy.y - kThicknessRoom, W + kThicknessRoom,
                         H + kThicknessRoom);
        steps.push_back({DrawStep::Kind::StockSide, pile, 0, rect});
    }
    for (int slot = 0; slot < kFoundationSlots; ++slot)
        if (isShown({Collection::Foundations, slot}))
            addPileSteps(steps, {Collection::Foundations, slot});
    for (int slot = 0; slot < kReserveSlots; ++slot)
        if (isShown({Collection::Reserves, slot}))
            addPileSteps(steps, {Collection::Reserves, slot});

    // The tableau in deal order: pile after pile, or row by row across the piles.
    std::vector<std::vector<DrawStep>> piles;
    for (int slot = 0; slot < kTableauSlots; ++slot) {
        const PileRef pile{Collection::Tableau, slot};
        if (!isShown(pile)) continue;
        piles.emplace_back();
        addPileSteps(piles.back(), pile);
    }
    if (state_.rules[rule::TableauPileByPile] != 0) {
        for (const auto& pile : piles) steps.insert(steps.end(), pile.begin(), pile.end());
    } else {
        size_t longest = 0;
        for (const auto& pile : piles) longest = std::max(longest, pile.size());
        for (size_t row = 0; row < longest; ++row)
            for (const auto& pile : piles)
                if (row < pile.size()) steps.push_back(pile[row]);
    }
    return steps;
}

std::string TablePainter::lookOf(PileRef pile) const {
    if (!gameOnTable() || !isShown(pile)) return {};
    const std::string& text = *state_.piles.pile(pile.collection, pile.slot);
    // In table image coordinates, which scrolling leaves as they are.
    const QPoint at = toTable(pilePosition(state_, pile));
    std::string look =
        std::to_string(at.x()) + "," + std::to_string(at.y()) + ":" + pileSnapshot(state_, text);
    if (text.empty()) look += ":" + markOf(state_, pile).value_or("");
    if (pile.collection == Collection::StockGroup) {
        // What the stock-side piles show depends on rules, not only on the faces.
        look += pile.slot == kStock ? std::to_string(state_.rules[rule::StockFaceState])
                                    : std::to_string(state_.rules[rule::WasteKind]);
    }
    if (!selected_.empty()) {
        look += ":";
        for (int code : codesOf(text)) look += selected_.count(code) ? '*' : '.';
    }
    return look;
}

void TablePainter::remember(const std::vector<DrawStep>& steps) {
    extents_.fill(QRect());
    for (const DrawStep& step : steps)
        extents_[static_cast<size_t>(pileIndex(step.pile))] |= step.rect;
    for (int i = 0; i < kPileCount; ++i) looks_[static_cast<size_t>(i)] = lookOf(pileAt(i));
}

// --- Drawing ----------------------------------------------------------------------------

void TablePainter::drawTable() {
    if (!gameOnTable()) return;
    setScrollPosition(state_, 0);
    extent_ = 0;
    copyBackground(bounds());
    const auto steps = drawSteps();
    for (const DrawStep& step : steps) runStep(step, bounds());
    remember(steps);
    if (isSelectionGame(state_.rules) && !state_.piles.foundations[0].empty()) highlightSelection();
    changed(bounds());
}

void TablePainter::drawTableBeforeDeal() {
    if (!gameOnTable()) return;
    setScrollPosition(state_, 0);
    extent_ = 0;
    copyBackground(bounds());
    const bool marks = state_.rules[rule::TableauFan] != 4;
    auto dealt = [](const DrawStep& step) {
        return step.pile.collection == Collection::Tableau ||
               step.pile.collection == Collection::Reserves;
    };
    const auto steps = drawSteps();
    for (const DrawStep& step : steps) {
        if (!dealt(step)) {
            runStep(step, bounds());
        } else if (marks && step.index == 0) {
            if (const auto mark = markOf(state_, step.pile))
                drawImage(cards_.mark(*mark), cardRect(pilePosition(state_, step.pile)).topLeft(),
                          bounds(), false, false);
        }
    }
    remember(steps);
    for (const DrawStep& step : steps)
        if (dealt(step)) looks_[static_cast<size_t>(pileIndex(step.pile))] = "-";
    changed(bounds());
}

std::vector<TablePainter::DealtCard> TablePainter::dealOrder() const {
    std::vector<DealtCard> order;
    for (const DrawStep& step : drawSteps())
        if (step.kind == DrawStep::Kind::Card && (step.pile.collection == Collection::Tableau ||
                                                  step.pile.collection == Collection::Reserves))
            order.push_back({step.pile, step.index});
    return order;
}

void TablePainter::redrawChangedPiles() {
    const auto steps = drawSteps();
    std::array<QRect, kPileCount> now{};
    for (const DrawStep& step : steps) now[static_cast<size_t>(pileIndex(step.pile))] |= step.rect;
    std::vector<QRect> areas;
    for (int i = 0; i < kPileCount; ++i) {
        const auto k = static_cast<size_t>(i);
        if (lookOf(pileAt(i)) == looks_[k]) continue;
        const QRect area = extents_[k] | now[k];
        if (!area.isEmpty()) areas.push_back(area);
    }
    for (const QRect& area : areas) redrawArea(area, steps);
    remember(steps);
}

void TablePainter::redrawPile(PileRef pile) {
    const auto steps = drawSteps();
    QRect area = extents_[static_cast<size_t>(pileIndex(pile))];
    for (const DrawStep& step : steps)
        if (step.pile == pile) area |= step.rect;
    redrawArea(area, steps);
    remember(steps);
}

void TablePainter::redrawAfterRemoval(PileRef pile, std::string_view shownPile) {
    std::string* text = state_.piles.pile(pile.collection, pile.slot);
    if (!text) return;
    const std::string real = *text;
    const std::string shown(shownPile);
    const QRect before = extents_[static_cast<size_t>(pileIndex(pile))];
    *text = shown;
    const auto steps = drawSteps();
    QRect area = before;
    for (const DrawStep& step : steps)
        if (step.pile == pile) area |= step.rect;
    redrawArea(area, steps);
    *text = real;
    // What shows is the pile without its lifted cards; the next redraw of
    // changed piles brings the rest back.
    looks_[static_cast<size_t>(pileIndex(pile))] = "-";
    extents_[static_cast<size_t>(pileIndex(pile))] = area;
}

void TablePainter::redrawArea(const QRect& area, const std::vector<DrawStep>& steps) {
    const QRect clip = area & bounds();
    if (clip.isEmpty()) return;
    copyBackground(clip);
    for (const DrawStep& step : steps)
        if (step.rect.intersects(clip)) runStep(step, clip);
    changed(clip);
}

void TablePainter::runStep(const DrawStep& step, const QRect& clip) {
    switch (step.kind) {
        case DrawStep::Kind::StockSide: drawStockSide(step.pile, clip); return;
        case DrawStep::Kind::Mark: {
            const auto mark = markOf(state_, step.pile);
            if (mark) drawImage(cards_.mark(*mark), step.rect.topLeft(), clip, false, false);
            return;
        }
        case DrawStep::Kind::Card: {
            const std::string& text = *state_.piles.pile(step.pile.collection, step.pile.slot);
            if (step.index == 0) restoreCornersAt(cardRect(pilePosition(state_, step.pile)), clip);
            const int code = codeAt(text, step.index);
            if (code == kGap) return;
            const QRect rect = cardRect(cardPositionAt(state_, step.pile, step.index));
            drawFace(code, state_.cards.isFaceDown(code), rect.topLeft(), clip, false);
            if (selected_.count(code) && !(step.pile == PileRef{Collection::Foundations, 0}))
                invert(rect, clip);
            return;
        }
    }
}

void TablePainter::drawStockSide(PileRef pile, const QRect& clip) {
    const std::string& text = *state_.piles.pile(pile.collection, pile.slot);
    const StockCopy copy = stockCopy(state_, pile.slot);
    const int W = cards_.width(), H = cards_.height();
    const QPoint base(copy.x, copy.y);
    if (text.empty()) {
        if (const auto mark = markOf(state_, pile))
            drawImage(cards_.mark(*mark), base, clip, false, false);
        return;
    }
    const int d = stockThickness(positions(text));
    copyBackground(QRect(base.x() - kThicknessRoom, base.y() - kThicknessRoom, W + kThicknessRoom,
                         H + kThicknessRoom) &
                   clip);
    bool faceDown = false;
    if (pile.slot == kStock)
        faceDown = state_.rules[rule::StockFaceState] != 0;
    else if (pile.slot == kWaste)
        faceDown = state_.rules[rule::WasteKind] == 2;
    const QPoint at = base - QPoint(d, d);
    drawFace(topCard(text), faceDown, at, clip, true);
    if (d == 0) return;

    // The edges of the cards below: along the bottom and along the right side.
    const QRect bottom(at.x(), base.y() + H - d - 1, W + d, d + 1);
    const QRect right(base.x() + W - d - 1, at.y(), d + 1, H + d);
    auto strip = [&](const QImage& picture, const QRect& where, QPoint from, bool horizontal) {
        if (!picture.isNull()) {
            const QImage part = picture.copy(toPixels(QRect(from, where.size())));
            drawImage(part, where.topLeft(), clip, false, false);
            return;
        }
        // Without the library's border pictures, the edges are drawn plainly.
        const QRect pixels = toPixels(where);
        const QRect r = toPixels(where & clip) & table_.rect();
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x) {
                const int offset =
                    static_cast<int>((horizontal ? y - pixels.top() : x - pixels.left()) / ratio_);
                *pixel(table_, {x, y}) = offset % 2 == 0 ? 0xFF808080u : 0xFFE8E8E8u;
            }
    };
    strip(cards_.border(2), bottom, QPoint(0, kThicknessRoom - d), true);
    strip(cards_.border(1), right, QPoint(kThicknessRoom - d, 0), false);
}

void TablePainter::drawFace(int code, bool faceDown, QPoint at, const QRect& clip,
                            bool greyCorner) {
    const QImage& image = faceDown ? cards_.back() : cards_.face(imageIndex(code));
    if (!faceDown && (code < 1 || code > kCardCodes)) return;
    drawImage(image, at, clip, true, greyCorner);
}

void TablePainter::drawImage(const QImage& image, QPoint at, const QRect& clip, bool corners,
                             bool greyCorner) {
    if (image.isNull() || at.x() < kHiddenBelow || at.y() < kHiddenBelow) return;
    extent_ = std::max(extent_, at.y() + static_cast<int>(std::ceil(image.height() / ratio_)));
    const QPoint origin = toPixels(at);
    const QRect whole(origin, image.size());
    const QRect r = whole & toPixels(clip) & table_.rect();
    if (r.isEmpty()) return;
    // The corners are cut pixel by pixel on a table of screen pixels; on finer
    // pixels the pictures' own rounded outline shows what lies below.
    corners = corners && ratio_ == 1;
    const Corners cut = cornersOf(whole, cards_.width() == 25);
    std::array<QRgb, 12> under{};
    if (corners)
        for (int n = 0; n < 2; ++n)
            for (int i = 0; i < cut.count; ++i)
                if (const QPoint p = cut.corner(n)[i]; r.contains(p))
                    under[n * 3 + i] = pixelOf(table_, p);
    const QImage src = image.format() == QImage::Format_ARGB32_Premultiplied
                           ? image
                           : image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    for (int y = r.top(); y <= r.bottom(); ++y) {
        const QRgb* from = reinterpret_cast<const QRgb*>(src.constScanLine(y - origin.y())) +
                           (r.left() - origin.x());
        QRgb* to = reinterpret_cast<QRgb*>(table_.scanLine(y)) + r.left();
        for (int x = 0; x < r.width(); ++x) to[x] = over(from[x], to[x]);
    }
    if (!corners) return;
    for (int n = 0; n < 4; ++n)
        for (int i = 0; i < cut.count; ++i) {
            const QPoint p = cut.corner(n)[i];
            if (!r.contains(p)) continue;
            if (n < 2)
                *pixel(table_, p) = under[n * 3 + i];
            else if (n == 3 && greyCorner)
                *pixel(table_, p) = kGreyCorner;
            else
                *pixel(table_, p) = pixelOf(background_, p);
        }
}

void TablePainter::restoreCornersAt(const QRect& rect, const QRect& clip) {
    if (ratio_ != 1) return;
    const QRect r = clip & table_.rect() & background_.rect();
    const Corners cut = cornersOf(rect, cards_.width() == 25);
    for (int n = 0; n < 4; ++n)
        for (int i = 0; i < cut.count; ++i)
            if (const QPoint p = cut.corner(n)[i]; r.contains(p))
                *pixel(table_, p) = pixelOf(background_, p);
}

void TablePainter::invert(const QRect& rect, const QRect& clip) {
    const QRect r = toPixels(rect & clip) & table_.rect();
    for (int y = r.top(); y <= r.bottom(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(table_.scanLine(y));
        for (int x = r.left(); x <= r.right(); ++x) line[x] = ~line[x] | 0xFF000000u;
    }
    restoreCornersAt(rect, clip);
}

// --- Single drawings --------------------------------------------------------------------

void TablePainter::drawCard(int code, Point at, bool greyCorner) {
    const QRect rect = cardRect(at);
    drawFace(code, false, rect.topLeft(), bounds(), greyCorner);
    changed(rect);
}

void TablePainter::drawBack(Point at, bool greyCorner) {
    const QRect rect = cardRect(at);
    drawImage(cards_.back(), rect.topLeft(), bounds(), true, greyCorner);
    changed(rect);
}

void TablePainter::drawMark(PileRef pile, std::optional<std::string> suffix) {
    if (!suffix) suffix = markOf(state_, pile);
    if (!isShown(pile) || !suffix) return;
    const QRect rect = cardRect(pilePosition(state_, pile));
    drawImage(cards_.mark(*suffix), rect.topLeft(), bounds(), false, false);
    looks_[static_cast<size_t>(pileIndex(pile))] = "-";
    changed(rect);
}

QImage TablePainter::cardPicture(int code, bool faceUp) const {
    if (code == -1 || !faceUp) return cards_.back();
    if (code < 1 || code > kCardCodes) return {};
    return cards_.face(imageIndex(code));
}

void TablePainter::restoreCorners(const QRect& windowRect) {
    const QRect rect = windowRect.translated(0, scrollPosition());
    restoreCornersAt(rect, bounds());
    changed(rect);
}

// --- Selection --------------------------------------------------------------------------

void TablePainter::highlightSelection() {
    selected_.clear();
    for (int code : codesOf(state_.piles.foundations[0]))
        if (code != kGap) selected_.insert(code);
    redrawChangedPiles();
}

void TablePainter::clearSelection() {
    selected_.clear();
    state_.piles.foundations[0].clear();
    redrawChangedPiles();
}

// --- Scrolling --------------------------------------------------------------------------

ScrollDecision TablePainter::decideScroll(int clientHeight, bool barShown) const {
    const int kind = state_.rules[rule::TableauFan];
    const bool allowed = state_.settings.isYes(setting::VertScrollBar) && (kind == 1 || kind == 8);
    const int H = cards_.height();
    const bool moreRoom =
        (!barShown && clientHeight < extent_) || (barShown && height_ - 2 * H < extent_);
    if (barShown && (clientHeight >= extent_ || !allowed)) return {ScrollDecision::Action::Hide, 0};
    if (moreRoom && allowed)
        return {ScrollDecision::Action::Grow, 2 * H + (extent_ - clientHeight)};
    return {};
}

}  // namespace tarvelle
