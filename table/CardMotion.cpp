// Card motion: the moving image that carries dragged and gliding cards over
// the table, the straight-line glide with its step and delay, and the deal.
#include "table/CardMotion.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "engine/CardPositions.h"
#include "engine/Table.h"
#include "records/SettingsFields.h"

namespace tarvelle {

int glideStep(int distance, bool slow) {
    const double d = std::abs(distance);
    // 0.0128 = 1/50 x 100/6.25 x 4/100: long glides take longer steps, but not proportionally.
    int step = static_cast<int>(d / (d * 0.0128 + 4.0) + 0.5);
    step = std::min(step, static_cast<int>(d));
    if (slow) step = static_cast<int>(0.3 * step);
    return step;
}

namespace {

// The glide's loop: every point it reaches, the end point last when it is reached.
std::vector<QPoint> glideLoop(QPoint start, QPoint end, bool slow, bool& reachedEnd) {
    std::vector<QPoint> points;
    reachedEnd = false;
    const int dx = end.x() - start.x(), dy = end.y() - start.y();
    const bool xLeads = std::abs(dx) >= std::abs(dy);
    const int leadStart = xLeads ? start.x() : start.y();
    const int leadEnd = xLeads ? end.x() : end.y();
    const int otherStart = xLeads ? start.y() : start.x();
    const int otherEnd = xLeads ? end.y() : end.x();
    const int distance = std::abs(leadEnd - leadStart);
    int step = glideStep(distance, slow);
    if (leadEnd < leadStart) step = -step;
    int lead = leadStart;
    while (step != 0) {
        lead += step;
        if ((step > 0 && lead > leadEnd) || (step < 0 && lead < leadEnd)) lead = leadEnd;
        const int percent = static_cast<int>(std::abs(lead - leadStart) * 100.0 / distance + 0.5);
        int other = otherStart + static_cast<int>(static_cast<double>(otherEnd - otherStart) * percent / 100);
        if ((otherEnd >= otherStart && other > otherEnd) || (otherEnd < otherStart && other < otherEnd))
            other = otherEnd;
        const QPoint p = xLeads ? QPoint(lead, other) : QPoint(other, lead);
        points.push_back(p);
        if (p == end) {
            reachedEnd = true;
            break;
        }
    }
    return points;
}

}  // namespace

std::vector<QPoint> glidePoints(QPoint start, QPoint end, bool slow) {
    bool reached = false;
    std::vector<QPoint> points = glideLoop(start, end, slow, reached);
    if (reached) points.pop_back();
    return points;
}

CardMotion::CardMotion(EngineState& state, MotionCanvas& canvas, CardPictures pictures)
    : state_(state), canvas_(canvas), pictures_(std::move(pictures)) {}

bool CardMotion::shadowsOn() const {
    return !glideShadowOff_ && state_.settings.get(setting::CardsShadowed) != "N";
}

int CardMotion::speedDelay() const {
    const auto d = state_.settings.getNumber(setting::SpeedMoveCard);
    return d && *d > 0 ? static_cast<int>(*d) : 0;
}

void CardMotion::buildMovingImage(int code, const QRect& source) {
    const int w = state_.cardWidth, h = state_.cardHeight;
    std::vector<int> cards{code};
    if (source.height() > h && code > 0) {
        if (const auto pile = pileOf(state_, code)) {
            const std::string& text = *state_.piles.pile(pile->collection, pile->slot);
            const int at = findCode(text, code);
            cards.clear();
            for (int i = at; i >= 0 && i < positions(text); ++i)
                if (codeAt(text, i) != kGap) cards.push_back(codeAt(text, i));
        }
    }
    const int step = cards.size() > 1 ? state_.catalogue.value(TMainGame::FaceUpVerticalStep) : 0;
    const int height = h + static_cast<int>(cards.size() - 1) * step;
    const QImage first = pictures_(cards.front(), code > 0 && !state_.cards.isFaceDown(cards.front()));
    const qreal ratio = first.isNull() ? 1.0 : first.devicePixelRatio();
    image_ = QImage(QSize(w, height) * ratio, QImage::Format_ARGB32_Premultiplied);
    image_.setDevicePixelRatio(ratio);
    image_.fill(Qt::transparent);
    QPainter p(&image_);
    int y = 0;
    for (int c : cards) {
        const bool faceUp = code > 0 && !state_.cards.isFaceDown(c);
        p.drawImage(QRect(0, y, w, h), pictures_(c, faceUp));
        y += step;
    }
    source_ = QRect(source.topLeft(), QSize(w, height));
    shadow_ = cards.size() > 1 ? MotionShadow::Dotted : MotionShadow::Strips;
    hasLast_ = false;
}

QRect CardMotion::coveredArea() const {
    if (!visible_) return {};
    const int s = shadowsOn() ? std::max(state_.shadowDepth, 9) : 0;
    return last_.adjusted(0, 0, s + 1, s + 1);
}

bool CardMotion::showAt(QPoint at, bool paintIntoTable, bool final) {
    if (hasLast_ && std::abs(at.x() - last_.x()) < 1 && std::abs(at.y() - last_.y()) < 1) return false;
    (void)final;  // the image's transparent corners show the table at every step, the last included
    const QRect before = coveredArea();
    last_ = QRect(at, image_.deviceIndependentSize().toSize());
    hasLast_ = true;
    if (paintIntoTable) {
        this->paintIntoTable(image_, last_);
        visible_ = false;
        canvas_.repaintNow(before.united(last_));
    } else {
        visible_ = true;
        canvas_.repaintNow(before.united(coveredArea()));
    }
    return true;
}

void CardMotion::paintIntoTable(const QImage& picture, const QRect& windowRect) {
    QPainter p(&canvas_.tableImage());
    p.drawImage(windowRect.translated(canvas_.tableOrigin()), picture);
}

void CardMotion::hide() {
    if (!visible_) return;
    const QRect before = coveredArea();
    visible_ = false;
    canvas_.repaintNow(before);
}

void CardMotion::paintOverlay(QPainter& p) const {
    if (!visible_) return;
    const QRect r = last_;
    if (shadowsOn()) {
        const int s = state_.shadowDepth > 0 ? state_.shadowDepth : 9;
        if (shadow_ == MotionShadow::Strips) {
            const QColor shade(0, 0, 0, 90);
            p.fillRect(QRect(r.right() + 1, r.top() + s - 2, s, r.height() - s + 2), shade);
            p.fillRect(QRect(r.left() + s - 1, r.bottom() + 1, r.width() - s + 1, s), shade);
            p.fillRect(QRect(r.right() + 1, r.bottom() + 1, 2, 1), Qt::black);
        } else if (shadow_ == MotionShadow::Dotted) {
            // Black every second pixel, shifted by one on alternate lines.
            p.setPen(Qt::black);
            for (int y = r.top() + 7; y <= r.bottom() + 7; ++y)
                for (int x = r.right() + 1 + (y & 1); x <= r.right() + 7; x += 2) p.drawPoint(x, y);
            for (int y = r.bottom() + 1; y <= r.bottom() + 7; ++y)
                for (int x = r.left() + 8 + (y & 1); x <= r.right(); x += 2) p.drawPoint(x, y);
        }
    }
    p.drawImage(r.topLeft(), image_);
}

void CardMotion::moveCard(int code, QPoint start, QPoint end, const Glide& how) {
    const int d = speedDelay();
    const int s = state_.shadowDepth;
    const QPoint landing = end;
    if (how.shadowLanding) end -= QPoint(s, s);
    if (end.x() < kHiddenBelow) end.setX(-3 * state_.cardWidth);
    if (end.y() < kHiddenBelow) end.setY(-3 * state_.cardHeight);
    if (how.buildImage) buildMovingImage(code, QRect(start, QSize(state_.cardWidth, state_.cardHeight)));
    hasLast_ = false;

    // The shadow belongs to dragging; a gliding card shows none.
    const QRect shadowed = coveredArea();
    glideShadowOff_ = true;
    if (visible_) canvas_.repaintNow(shadowed);
    bool reached = false;
    const std::vector<QPoint> points = glideLoop(start, end, how.slow, reached);
    for (const QPoint& p : points) {
        if (!how.slow) canvas_.wait(d);
        if (p == end) break;
        showAt(p, false, false);
    }
    glideShadowOff_ = false;

    QPoint final = end;
    if (how.shadowLanding) {
        showAt(end, false, false);
        final = landing;
        if (landing.x() < kHiddenBelow) final.setX(-3 * state_.cardWidth);
        if (landing.y() < kHiddenBelow) final.setY(-3 * state_.cardHeight);
        canvas_.wait(2 * d);
    }
    glideShadowOff_ = true;
    if (!showAt(final, how.paintAtEnd, true) && how.paintAtEnd) {
        paintIntoTable(image_, QRect(final, image_.deviceIndependentSize().toSize()));
        visible_ = false;
        canvas_.repaintNow(last_);
    }
    glideShadowOff_ = false;
}

void CardMotion::dropDragged(QPoint landing) {
    const int lift = std::max(state_.shadowDepth - 2, 0);
    const QPoint from = last_.topLeft() - QPoint(lift, lift);
    const QRect shadowed = coveredArea();
    glideShadowOff_ = true;
    showAt(from, false, true);
    canvas_.repaintNow(shadowed);
    glideShadowOff_ = false;
    moveCard(0, from, landing, Glide{false, true, false, true});
}

void CardMotion::dealCard(const DealtCard& card, QPoint source) {
    const int w = state_.cardWidth, h = state_.cardHeight;
    const QRect sourceRect(source, QSize(w, h));
    canvas_.wait(2);
    paintIntoTable(pictures_(card.code, card.faceUp), sourceRect);
    canvas_.repaintNow(sourceRect);
    if (!card.flies) return;
    canvas_.wait(2);
    paintIntoTable(pictures_(-1, false), sourceRect);
    image_ = pictures_(card.code, card.faceUp);
    source_ = sourceRect;
    shadow_ = MotionShadow::None;
    hasLast_ = false;
    showAt(source + QPoint(w / 7, h / 7), false, false);
    canvas_.wait(1);
    moveCard(card.code, source + QPoint(w / 7, h / 7), card.destination, Glide{false, false, true, true});
}

}  // namespace tarvelle
