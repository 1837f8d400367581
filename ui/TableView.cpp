// The table (imgSfondo): the client area of the main window that shows the
// table image and the moving image, and hands pointer events to the pointer input.
#include "ui/TableView.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

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

TableView::TableView(EngineState& state, QWidget* parent) : QWidget(parent), state_(state) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setObjectName(QStringLiteral("imgSfondo"));
    setCardPictures(nullptr);
    drawing_ = [this](QImage& table, int lifted) { drawStandInTable(state_, table, lifted, pictures_); };
}

void TableView::setCardPictures(CardPictures pictures) {
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

void TableView::ensureImages() {
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

void TableView::sizeImages(QSize atLeast) {
    imageSize_ = atLeast;
    ensureImages();
}

void TableView::repaintNow(const QRect& area) {
    if (area.isEmpty()) return;
    repaint(area);
}

void TableView::wait(int milliseconds) { state_.host.wait(milliseconds); }

void TableView::redrawTable() {
    ensureImages();
    if (drawing_) drawing_(table_, lifted_);
    update();
}

void TableView::setLifted(int card) {
    if (lifted_ == card) return;
    lifted_ = card;
    ensureImages();
    if (drawing_) drawing_(table_, lifted_);
    update();
}

void TableView::clearTable() {
    ensureImages();
    {
        QPainter p(&table_);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(0, 0, background_);
    }
    motion_->hide();
    update();
}

void TableView::discardPendingInput() {
    InputDiscarder discarder;
    qApp->installEventFilter(&discarder);
    QCoreApplication::processEvents();
    qApp->removeEventFilter(&discarder);
}

void TableView::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    const QRect r = event->rect();
    if (table_.isNull()) p.fillRect(r, QColor(0, 0x70, 0x30));
    else p.drawImage(QRectF(r), table_, QRectF(QPointF(r.topLeft()) * table_.devicePixelRatio(), QSizeF(r.size()) * table_.devicePixelRatio()));
    motion_->paintOverlay(p);
    emit painted();
}

void TableView::mousePressEvent(QMouseEvent* e) {
    if (input_) input_->press(e->position().toPoint(), e->button(), e->modifiers());
}

void TableView::mouseMoveEvent(QMouseEvent* e) {
    if (input_) input_->move(e->position().toPoint(), e->buttons());
}

void TableView::mouseReleaseEvent(QMouseEvent* e) {
    if (input_) input_->release(e->position().toPoint(), e->button());
}

void TableView::mouseDoubleClickEvent(QMouseEvent* e) {
    // The second press of a double click comes after the double click, as a press of its own.
    if (!input_) return;
    input_->doubleClick(e->position().toPoint(), e->button());
    input_->press(e->position().toPoint(), e->button(), e->modifiers());
}

void TableView::resizeEvent(QResizeEvent*) {
    ensureImages();
    emit resized();
}

void TableView::changeEvent(QEvent* e) {
    // A move to a screen of another pixel density renders the table anew at its size.
    if (e->type() == QEvent::ScreenChangeInternal) {
        table_ = QImage();
        redrawTable();
    }
    QWidget::changeEvent(e);
}

}  // namespace tarvelle
