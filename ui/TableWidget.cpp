// The table (imgSfondo): the client area of the main window that shows the
// table image and the moving image, and hands pointer events to the pointer input.
#include "ui/TableWidget.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

#include "engine/Table.h"
#include "table/TablePainter.h"
#include "ui/PointerInput.h"
#include "ui/StandInTable.h"

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

TableWidget::TableWidget(EngineState& state, QWidget* parent) : QWidget(parent), state_(state) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setObjectName(QStringLiteral("imgSfondo"));
    setCardPictures(nullptr);
    drawing_ = [this](QImage& table, int lifted) { drawStandInTable(state_, table, lifted, pictures_); };
}

void TableWidget::setCardPictures(CardPictures pictures) {
    if (!pictures)
        pictures = [this](int code, bool faceUp) {
            const qreal ratio = devicePixelRatioF();
            const quint64 key = (static_cast<quint64>(code + 1) << 40) | (static_cast<quint64>(faceUp) << 39) |
                                (static_cast<quint64>(state_.cardWidth) << 28) | (static_cast<quint64>(state_.cardHeight) << 16) |
                                static_cast<quint64>(ratio * 100);
            auto at = cardCache_.find(key);
            if (at == cardCache_.end()) at = cardCache_.insert(key, standInCard(state_, code, faceUp, ratio));
            return *at;
        };
    pictures_ = pictures;
    motion_ = std::make_unique<CardMotion>(state_, *this, pictures_);
}

void TableWidget::setTablePainter(TablePainter* view) {
    view_ = view;
    if (!view_) {
        setCardPictures(nullptr);
        return;
    }
    view_->onChanged = [this](const QRect& r) { update(r.translated(0, -view_->scrollPosition())); };
    setCardPictures([this](int code, bool faceUp) -> QImage {
        CardImages& images = view_->cardImages();
        if (code <= 0 || !faceUp) return images.back();
        return images.face(imageIndex(code));
    });
    drawing_ = [this](QImage&, int) { view_->redrawChangedPiles(); };
}

// The moving image lands in the table's own picture, as every glide ends there.
QImage& TableWidget::tableImage() { return view_ ? const_cast<QImage&>(view_->tableImage()) : table_; }
QImage& TableWidget::backgroundImage() { return view_ ? const_cast<QImage&>(view_->backgroundImage()) : background_; }

void TableWidget::ensureImages() {
    if (view_) return;
    const qreal ratio = devicePixelRatioF();
    QSize want = size().expandedTo(imageSize_);
    if (const QScreen* s = screen()) want = want.expandedTo(s->size() + QSize(30, 30));
    // The images only grow: a window that shrinks and grows again reuses them.
    if (!table_.isNull() && table_.devicePixelRatio() == ratio) {
        const QSize have = table_.deviceIndependentSize().toSize();
        if (have.width() >= want.width() && have.height() >= want.height()) return;
        want = want.expandedTo(have);
    }
    table_ = QImage(want * ratio, QImage::Format_ARGB32_Premultiplied);
    table_.setDevicePixelRatio(ratio);
    table_.fill(QColor(0, 0x70, 0x30));
    background_ = QImage(want * ratio, QImage::Format_ARGB32_Premultiplied);
    background_.setDevicePixelRatio(ratio);
    background_.fill(QColor(0, 0x70, 0x30));
}

void TableWidget::sizeImages(QSize atLeast) {
    imageSize_ = atLeast;
    ensureImages();
}

void TableWidget::repaintNow(const QRect& area) {
    if (area.isEmpty()) return;
    repaint(area);
}

void TableWidget::wait(int milliseconds) { state_.host.wait(milliseconds); }

void TableWidget::redrawTable() {
    ensureImages();
    if (drawing_) drawing_(table_, lifted_);
    update();
}

void TableWidget::setLifted(int card) {
    if (lifted_ == card) return;
    lifted_ = card;
    if (view_) {
        if (card != 0) {
            liftedPile_ = pileOf(state_, card);
            if (liftedPile_) {
                const std::string& text = *state_.piles.pile(liftedPile_->collection, liftedPile_->slot);
                const int at = findCode(text, card);
                view_->redrawAfterRemoval(*liftedPile_, std::string_view(text).substr(0, static_cast<size_t>(std::max(at, 0)) * 3));
            }
        } else {
            if (liftedPile_) view_->redrawPile(*liftedPile_);
            liftedPile_.reset();
            view_->redrawChangedPiles();
        }
        update();
        return;
    }
    ensureImages();
    if (drawing_) drawing_(table_, lifted_);
    update();
}

void TableWidget::clearTable() {
    if (view_) {
        view_->clearTableImage();
        motion_->hide();
        update();
        return;
    }
    ensureImages();
    {
        QPainter p(&table_);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(0, 0, background_);
    }
    motion_->hide();
    update();
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
    const QImage& image = view_ ? view_->tableImage() : table_;
    const int scrolled = view_ ? view_->scrollPosition() : 0;
    if (image.isNull()) p.fillRect(r, QColor(0, 0x70, 0x30));
    else p.drawImage(QRectF(r), image, QRectF(QPointF(r.topLeft() + QPoint(0, scrolled)) * image.devicePixelRatio(), QSizeF(r.size()) * image.devicePixelRatio()));
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

void TableWidget::resizeEvent(QResizeEvent*) {
    ensureImages();
    emit resized();
}

void TableWidget::changeEvent(QEvent* e) {
    // A move to a screen of another pixel density renders the table anew at its size.
    if (e->type() == QEvent::ScreenChangeInternal && !view_) {
        table_ = QImage();
        redrawTable();
    }
    QWidget::changeEvent(e);
}

}  // namespace tarvelle
