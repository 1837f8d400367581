// The table (imgSfondo): the client area of the main window that shows the
// painter's table image and the moving image, and hands pointer events to the pointer input.
#include "ui/TableWidget.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

#include "engine/Table.h"
#include "table/TablePainter.h"
#include "ui/PointerInput.h"

namespace tarvelle {

namespace {

// Swallows the presses and keys that were made while an animation held the window.
class InputDiscarder : public QObject {
public:
    bool eventFilter(QObject*, QEvent* e) override {
        switch (e->type()) {
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonRelease:
            case QEvent::MouseButtonDblClick:
            case QEvent::KeyPress:
            case QEvent::KeyRelease:
                return true;
            default:
                return false;
        }
    }
};

}  // namespace

TableWidget::TableWidget(EngineState& state, TablePainter& painter, QWidget* parent)
    : QWidget(parent), state_(state), painter_(painter) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setObjectName(QStringLiteral("imgSfondo"));
    painter_.onChanged = [this](const QRect& r) { update(r.translated(0, -painter_.scrollPosition())); };
    motion_ = std::make_unique<CardMotion>(state_, *this,
                                           [this](int code, bool faceUp) { return cardPicture(code, faceUp); });
}

QImage TableWidget::cardPicture(int code, bool faceUp) const { return painter_.cardPicture(code, faceUp); }

// The moving image lands in the painter's table image, as every glide ends there.
QImage& TableWidget::tableImage() { return painter_.tableImage(); }

QPoint TableWidget::tableOrigin() const { return QPoint(0, painter_.scrollPosition()); }

void TableWidget::repaintNow(const QRect& area) {
    if (area.isEmpty()) return;
    repaint(area);
}

void TableWidget::wait(int milliseconds) { state_.host.wait(milliseconds); }

void TableWidget::redrawTable() { painter_.redrawChangedPiles(); }

void TableWidget::setLifted(int card) {
    if (lifted_ == card) return;
    lifted_ = card;
    if (card != 0) {
        liftedPile_ = pileOf(state_, card);
        if (liftedPile_) {
            const std::string& text = *state_.piles.pile(liftedPile_->collection, liftedPile_->slot);
            const int at = std::max(findCode(text, card), 0);
            painter_.redrawAfterRemoval(*liftedPile_, std::string_view(text).substr(0, static_cast<size_t>(at) * 3));
        }
    } else {
        if (liftedPile_) painter_.redrawPile(*liftedPile_);
        liftedPile_.reset();
        painter_.redrawChangedPiles();
    }
}

void TableWidget::clearTable() {
    painter_.clearTableImage();
    motion_->hide();
}

void TableWidget::discardPendingInput() {
    InputDiscarder discarder;
    qApp->installEventFilter(&discarder);
    QCoreApplication::processEvents();
    qApp->removeEventFilter(&discarder);
}

void TableWidget::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    const QRect r = event->rect();
    const QImage& image = painter_.tableImage();
    if (image.isNull()) {
        p.fillRect(r, Qt::black);
    } else {
        // The table image holds the screen's pixels: copied pixel for pixel, never scaled.
        const qreal ratio = image.devicePixelRatio();
        const QPointF from = QPointF(r.topLeft() + tableOrigin()) * ratio;
        p.drawImage(QRectF(r), image, QRectF(from, QSizeF(r.size()) * ratio));
    }
    motion_->paintOverlay(p);
    emit painted();
}

void TableWidget::mousePressEvent(QMouseEvent* e) {
    if (input_) input_->press(e->position().toPoint(), e->button(), e->modifiers());
}

void TableWidget::mouseMoveEvent(QMouseEvent* e) {
    if (input_) input_->move(e->position().toPoint(), e->buttons());
}

void TableWidget::mouseReleaseEvent(QMouseEvent* e) {
    if (input_) input_->release(e->position().toPoint(), e->button());
}

void TableWidget::mouseDoubleClickEvent(QMouseEvent* e) {
    // The second press of a double click comes after the double click, as a press of its own.
    if (!input_) return;
    input_->doubleClick(e->position().toPoint(), e->button());
    input_->press(e->position().toPoint(), e->button(), e->modifiers());
}

void TableWidget::resizeEvent(QResizeEvent*) { emit resized(); }

void TableWidget::checkPixelRatio() {
    if (devicePixelRatioF() != painter_.devicePixelRatio()) emit pixelRatioChanged();
}

void TableWidget::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (QWindow* w = window()->windowHandle())
        connect(w, &QWindow::screenChanged, this, &TableWidget::checkPixelRatio, Qt::UniqueConnection);
    checkPixelRatio();
}

void TableWidget::changeEvent(QEvent* e) {
    if (e->type() == QEvent::ScreenChangeInternal) checkPixelRatio();
    QWidget::changeEvent(e);
}

}  // namespace tarvelle
