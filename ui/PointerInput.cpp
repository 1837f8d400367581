// Pointer input on the table: press, move, release and double click turned
// into the engine's actions, the drag with its drop candidates, the peek,
// the empty-stock mark and the pile-size tip.
#include "ui/PointerInput.h"

#include <QCursor>
#include <QDateTime>
#include <QLabel>

#include "engine/Sounds.h"
#include "engine/Table.h"
#include "records/SettingsFields.h"
#include "ui/TableWidget.h"

namespace tarvelle {

namespace {

qint64 nowMs() { return QDateTime::currentMSecsSinceEpoch(); }

bool isYes(const EngineState& s, Field f) { return s.settings.get(f) == "Y"; }

}  // namespace

PointerInput::PointerInput(EngineState& state, GameActions& actions, TableWidget& table, PointerWindow window)
    : state_(state), actions_(actions), table_(table), window_(std::move(window)) {
    tip_ = new QLabel(&table);
    tip_->setObjectName(QStringLiteral("pnlPilesSize"));
    tip_->setAutoFillBackground(true);
    tip_->setStyleSheet(QStringLiteral("QLabel { background: #ffffe1; color: black; border: 1px solid black; padding: 1px 4px; }"));
    tip_->setAttribute(Qt::WA_TransparentForMouseEvents);
    tip_->hide();
}

int PointerInput::pointerShape() const {
    const auto id = state_.settings.getNumber(setting::Cursor);
    return id && *id >= 10 && *id <= 15 ? static_cast<int>(*id) : 10;
}

void PointerInput::hidePilesTip() { tip_->hide(); }

void PointerInput::press(QPoint at, Qt::MouseButton button, Qt::KeyboardModifiers modifiers) {
    restTime_ = -1;
    hidePilesTip();
    if (state_.flags[Flag::Demo]) {
        state_.host.beep();
        return;
    }
    const bool right = button == Qt::RightButton;
    const bool ctrl = modifiers & Qt::ControlModifier;
    if (!state_.flags[Flag::InProgress]) {
        if (right && ctrl && window_.openTablePopup) window_.openTablePopup(at);
        return;
    }
    if (dragging()) return;
    movedSincePress_ = false;
    if (state_.flags[Flag::IgnoreNextPress]) {
        state_.flags.clear(Flag::IgnoreNextPress);
        return;
    }
    if (window_.refreshClock) window_.refreshClock();
    lastPress_ = at;
    const Hit hit = actions_.hitTest({at.x(), at.y()});
    const int kind = state_.rules[rule::GameKind];
    if (right && !ctrl && kind != 32 && kind != 33) {
        rightClickMove(hit, isYes(state_, setting::RightClickToFoundations), isYes(state_, setting::RightClickToTableaus));
        return;
    }
    if (right && ctrl) {
        if (!hit.pile) {
            if (window_.openTablePopup) window_.openTablePopup(at);
        } else {
            peek(hit);
        }
        return;
    }
    if (button != Qt::LeftButton && !right) return;
    if (state_.rules[rule::SingleClickMoves] == 1) {
        rightClickMove(hit, true, true);
        return;
    }
    if (!hit.pile) return;
    bool drag = false;
    if (hit.pile->collection == Collection::Tableau) {
        switch (actions_.specialPressRule(hit)) {
            case PressRule::Generic: pressOnTableau(hit, drag); break;
            case PressRule::Nothing: return;
            case PressRule::Refused: state_.host.beep(); return;
            // The card is lifted as for a drag and goes on to the second waste pile.
            case PressRule::Taken: drag = true; break;
        }
    } else {
        pressOnPile(hit, drag);
    }
    if (drag) {
        const bool wholeReserve = hit.pile->collection == Collection::Reserves && state_.rules[rule::ReservePickUp] == -11;
        startDrag(hit, wholeReserve);
    }
}

void PointerInput::pressOnTableau(const Hit& hit, bool& drag) {
    if (hit.card == 0) return;
    const int fan = state_.rules[rule::TableauFan];
    if (fan == 8 || fan == 9) {
        drag = true;
        return;
    }
    if (state_.rules[rule::GridRows] > 0 && !actions_.columnFree(*hit.pile)) return;
    const std::string& pile = *state_.piles.pile(hit.pile->collection, hit.pile->slot);
    if (hit.card == topCard(pile)) {
        if (state_.cards.isFaceDown(hit.card)) {
            actions_.turnFaceUp(hit.card);
            table_.redrawTable();
        } else if (actions_.mayPickUp(hit.card, true)) {
            drag = true;
        }
        return;
    }
    if (actions_.sequenceMovable(hit.card, *hit.pile) && actions_.mayPickUp(hit.card, false)) drag = true;
}

void PointerInput::pressOnPile(const Hit& hit, bool& drag) {
    const PileRef pile = *hit.pile;
    const std::string& text = *state_.piles.pile(pile.collection, pile.slot);
    switch (pile.collection) {
        case Collection::StockGroup:
            if (pile.slot == kStock) {
                // On an empty stock the press only marks it; the release redeals.
                if (cardsIn(text) == 0) {
                    emptyStockMark_ = true;
                    markedPile_ = state_.rules[rule::HasStock] == 1 ? PileRef{Collection::StockGroup, kStock}
                                                                      : PileRef{Collection::StockGroup, kWaste};
                }
                actions_.stockClick(false);
                table_.redrawTable();
                // The last card turned from the stock can end the game.
                if (actions_.isWon()) actions_.gameWon();
            } else if (pile.slot == kWaste) {
                if (hit.card != 0 && state_.rules[rule::WasteKind] != 2) {
                    drag = true;
                } else if (state_.rules[rule::RedealKind] > 0 && cardsIn(state_.piles.stock()) == 0 &&
                           cardsIn(state_.piles.waste()) == 0) {
                    actions_.stockClick(true);
                    table_.redrawTable();
                }
            }
            break;
        case Collection::Foundations: {
            if (hit.card == 0) break;
            const int takeBack = state_.rules[rule::FoundationTakeBack];
            drag = takeBack == 1 || (takeBack == 2 && cardsIn(text) > 1);
            break;
        }
        case Collection::Reserves:
            if (hit.card == 0) break;
            if (state_.rules[rule::ReservePickUp] == -11) drag = true;
            else drag = hit.card == topCard(text) && !state_.cards.isFaceDown(hit.card);
            break;
        case Collection::Tableau: break;
    }
}

void PointerInput::startDrag(const Hit& hit, bool wholePile) {
    if (!dragging()) dragOrigin_ = lastPress_;
    const std::string& text = *state_.piles.pile(hit.pile->collection, hit.pile->slot);
    int card = hit.card;
    Point top = hit.topLeft;
    if (wholePile) {
        card = bottomCard(text);
        top = cardPositionAt(state_, *hit.pile, 0);
    }
    state_.counters.draggedCard = card;
    grabOffset_ = lastPress_ - QPoint(top.x, top.y);

    const int h = state_.cardHeight;
    const int at = findCode(text, card);
    const Point last = cardPositionAt(state_, *hit.pile, positions(text) - 1);
    const bool sequence = at >= 0 && at < positions(text) - 1;
    dragImageHeight_ = sequence ? last.y + h - top.y : h;
    CardMotion& motion = table_.motion();
    motion.buildMovingImage(card, QRect(top.x, top.y, state_.cardWidth, dragImageHeight_));
    table_.setLifted(card);

    if (state_.settings.get(setting::CardsShadowed) != "N") {
        const int lift = state_.shadowDepth - 2;
        motion.showAt(QPoint(top.x - lift, top.y - lift), false, false);
        grabOffset_ += QPoint(lift, lift);
        playSound(state_, "card_up", setting::SoundsCardUp);
    } else {
        // The lifted cards stay in sight at their place until the pointer moves.
        motion.showAt(QPoint(top.x, top.y), false, false);
    }

    const int kind = state_.rules[rule::GameKind];
    if (kind == 2 || kind == 12 || kind == 15) {
        // These games play a tableau card straight onto the discard pile: it glides there and moves at once.
        state_.counters.draggedCard = 0;
        const Point discard = cardPosition(state_, {Collection::StockGroup, kSecondWaste}, 0, true);
        if (state_.settings.get(setting::CardsAnimate) != "N" && !isHidden(discard))
            motion.moveCard(card, motion.lastRect().topLeft(), QPoint(discard.x, discard.y),
                            CardMotion::Glide{false, false, false, false});
        const bool moved = actions_.moveToSecondWaste(card);
        motion.hide();
        table_.setLifted(0);
        if (moved && actions_.isWon()) actions_.gameWon();
    }
}

void PointerInput::move(QPoint at, Qt::MouseButtons) {
    restTime_ = -1;
    if (dragging()) {
        movedSincePress_ = true;
        if (window_.setPointerShape) window_.setPointerShape(pointerShape() + 10);
        if (window_.scrollPosition && window_.scrollTo) {
            const int position = window_.scrollPosition();
            if (position > 0 && at.y() < 5) {
                window_.scrollTo(std::max(0, position - 50));
            } else if (window_.scrollShown && window_.scrollShown() && at.y() > table_.height() - 5 &&
                       position < window_.scrollMaximum()) {
                window_.scrollTo(std::min(window_.scrollMaximum(), position + 50));
            }
        }
        table_.motion().showAt(at - grabOffset_, false, false);
        lastMovePoint_ = at;
        return;
    }
    if (emptyStockMark_) {
        const Point p = pilePosition(state_, markedPile_);
        if (!QRect(p.x, p.y, state_.cardWidth, state_.cardHeight).contains(at)) emptyStockMark_ = false;
        return;
    }
    if (!state_.flags[Flag::InProgress]) return;
    restTime_ = nowMs();
    if (at != lastMovePoint_ || !inTableArea(table_.mapToGlobal(at))) hidePilesTip();
    if (tip_->isVisible() && tip_->geometry().contains(at)) hidePilesTip();
    restPoint_ = at;
    lastMovePoint_ = at;
}

void PointerInput::release(QPoint, Qt::MouseButton) {
    Release r;
    r.emptyStockMarked = emptyStockMark_;
    emptyStockMark_ = false;
    r.autoplay = window_.autoplayEnabled && window_.autoplayEnabled();
    CardMotion& motion = table_.motion();
    if (dragging()) {
        r.card = state_.counters.draggedCard;
        r.moved = movedSincePress_;
        const QRect last = motion.lastRect();
        r.left = last.left();
        r.top = last.top();
        r.right = last.left() + last.width();
        r.bottom = last.top() + last.height();
        if (r.moved) r.candidates = rankDropTargets(state_, r.left, r.top, r.right, r.bottom);
    }
    const bool dropped = state_.flags[Flag::InProgress] || r.card != 0 ? actions_.release(r) : false;
    if (r.card != 0) {
        // The window glides dropped cards onto their place when the move is drawn;
        // whatever is still lifted lands or goes back here.
        if (dropped && motion.visible()) {
            if (const auto pile = pileOf(state_, r.card)) {
                const int index = findCode(*state_.piles.pile(pile->collection, pile->slot), r.card);
                const Point landing = cardPositionAt(state_, *pile, index);
                motion.dropDragged(QPoint(landing.x, landing.y));
            }
        } else if (!dropped && motion.visible()) {
            playSound(state_, "card_down", setting::SoundsCardDown);
        }
        state_.counters.draggedCard = 0;
        motion.hide();
        table_.setLifted(0);
        movedSincePress_ = false;
    }
    // The drop, a redeal, filling or autoplay may each have won the game.
    if (actions_.isWon()) actions_.gameWon();
    endPeek();
    table_.redrawTable();
    if (window_.setPointerShape) window_.setPointerShape(pointerShape());
}

void PointerInput::doubleClick(QPoint, Qt::MouseButton button) {
    if (button != Qt::LeftButton || state_.flags[Flag::Demo] || !state_.flags[Flag::InProgress]) return;
    const Hit hit = actions_.hitTest({lastPress_.x(), lastPress_.y()});
    if (hit.pile && hit.pile->collection == Collection::StockGroup && hit.pile->slot == kStock) {
        // The press that comes with the double click turns the stock once more.
        state_.flags.clear(Flag::IgnoreNextPress);
        return;
    }
    const bool toFoundations = isYes(state_, setting::DoubleClickToFoundations);
    const bool toTableaus = isYes(state_, setting::DoubleClickToTableaus);
    if (!toFoundations && !toTableaus) return;
    rightClickMove(hit, toFoundations, toTableaus);
    state_.flags.set(Flag::IgnoreNextPress);
}

bool PointerInput::mayLeave(const Hit& hit) {
    if (!hit.pile || hit.card == 0 || state_.cards.isFaceDown(hit.card)) return false;
    const std::string& text = *state_.piles.pile(hit.pile->collection, hit.pile->slot);
    const bool uppermost = hit.card == topCard(text);
    switch (hit.pile->collection) {
        case Collection::Foundations: {
            const int takeBack = state_.rules[rule::FoundationTakeBack];
            return takeBack == 1 || (takeBack == 2 && cardsIn(text) > 1);
        }
        case Collection::StockGroup: return hit.pile->slot == kWaste;
        case Collection::Tableau:
            if (state_.rules[rule::MoveSize] == 0) return false;
            if (state_.rules[rule::GridRows] > 0 && !actions_.columnFree(*hit.pile)) return false;
            if (uppermost) return true;
            return actions_.mayPickUp(hit.card, false) && actions_.sequenceMovable(hit.card, *hit.pile);
        case Collection::Reserves: return uppermost || state_.rules[rule::ReservePickUp] == -11;
    }
    return false;
}

bool PointerInput::rightClickMove(const Hit& hit, bool toFoundations, bool toTableaus) {
    if (state_.rules[rule::SingleClickMoves] == 1) toFoundations = toTableaus = true;
    if (!toFoundations && !toTableaus) return false;
    if (!mayLeave(hit)) return false;
    const bool moved = actions_.automaticMove(hit.card, toTableaus, toFoundations);
    table_.redrawTable();
    if (moved && actions_.isWon()) actions_.gameWon();
    return moved;
}

void PointerInput::peek(const Hit& hit) {
    const PileRef pile = *hit.pile;
    const std::string& text = *state_.piles.pile(pile.collection, pile.slot);
    const bool covered = hit.card != 0 && hit.card != topCard(text) && !state_.cards.isFaceDown(hit.card);
    const int reserveFan = state_.rules[rule::ReserveFan];
    const bool mayPeek = covered && (pile.collection == Collection::Tableau ||
                                     (pile.collection == Collection::Reserves && (reserveFan == 1 || reserveFan == 2)));
    if (!mayPeek) {
        state_.host.beep();
        return;
    }
    // The whole card shows at its place until the button comes up.
    CardMotion& motion = table_.motion();
    motion.buildMovingImage(hit.card, QRect(hit.topLeft.x, hit.topLeft.y, state_.cardWidth, state_.cardHeight));
    const QString saved = state_.settings.get(setting::CardsShadowed).c_str();
    state_.settings.put(setting::CardsShadowed, "N");
    motion.showAt(QPoint(hit.topLeft.x, hit.topLeft.y), false, true);
    state_.settings.put(setting::CardsShadowed, saved.toStdString());
    peekCorner_ = QPoint(hit.topLeft.x, hit.topLeft.y);
    peeking_ = true;
}

void PointerInput::endPeek() {
    if (!peeking_) return;
    peeking_ = false;
    peekCorner_ = {};
    table_.motion().hide();
}

bool PointerInput::inTableArea(QPoint global) const { return table_.rect().contains(table_.mapFromGlobal(global)); }

void PointerInput::clockTick() {
    if (state_.settings.get(setting::ShowPilesSize) != "Y" || restTime_ < 0) return;
    if (nowMs() - restTime_ < 500 || tip_->isVisible()) return;
    restTime_ = -1;
    showPilesTip();
}

void PointerInput::showPilesTip() {
    const Hit hit = actions_.hitTest({restPoint_.x(), restPoint_.y()});
    if (!hit.pile) return;
    const int count = positions(*state_.piles.pile(hit.pile->collection, hit.pile->slot));
    const QPoint cursor = table_.mapFromGlobal(QCursor::pos());
    if (cursor != restPoint_ || count <= 0 || !inTableArea(QCursor::pos())) return;
    tip_->setText(QString::number(count) + (count == 1 ? QStringLiteral(" card") : QStringLiteral(" cards")));
    tip_->adjustSize();
    int x = restPoint_.x(), y = restPoint_.y() + 57 - tip_->height();
    if (x + tip_->width() > table_.width() - 57) x = restPoint_.x() - tip_->width() - 2;
    if (y + tip_->height() > table_.height() - 57) y = restPoint_.y() - tip_->height() - 2;
    tip_->move(x, y);
    tip_->show();
    tip_->raise();
}

}  // namespace tarvelle
