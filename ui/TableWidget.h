// The table (imgSfondo): the client area of the main window that shows the
// table image and the moving image, and hands pointer events to the pointer input.
#pragma once

#include <functional>
#include <optional>

#include <QHash>
#include <QImage>
#include <QWidget>

#include "engine/EngineState.h"
#include "table/CardMotion.h"

namespace tarvelle {

class PointerInput;
class TablePainter;

class TableWidget : public QWidget, public MotionCanvas {
    Q_OBJECT
public:
    TableWidget(EngineState& state, QWidget* parent = nullptr);

    void setPointerInput(PointerInput* input) { input_ = input; }
    // Draws the table into an image; the card given is left out with the cards above it.
    using TableDrawing = std::function<void(QImage& table, int lifted)>;
    void setTableDrawing(TableDrawing drawing) { drawing_ = std::move(drawing); }
    void setCardPictures(CardPictures pictures);
    // The table's drawing: its table image is shown and its pile drawing used;
    // without one the widget draws a plain table of its own.
    void setTablePainter(TablePainter* view);
    TablePainter* tablePainter() const { return view_; }
    std::function<void()> fullRepaint;

    CardMotion& motion() { return *motion_; }
    QImage cardPicture(int code, bool faceUp) const { return pictures_(code, faceUp); }
    QImage& tableImage() override;
    QImage& backgroundImage();
    void repaintNow(const QRect& area) override;
    void wait(int milliseconds) override;

    // Draws the whole table from the model into the table image and shows it.
    void redrawTable();
    // The cards from `card` up are lifted off the table picture while they are dragged.
    void setLifted(int card);
    int lifted() const { return lifted_; }
    // Copies the background over the table image and the window: an empty table.
    void clearTable();
    // Sizes both images to at least the given size (the screen plus 30 pixels).
    void sizeImages(QSize atLeast);

    // Input that arrives while the table animates is dropped, not kept for later.
    void discardPendingInput();

signals:
    void resized();
    void painted();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void ensureImages();

    EngineState& state_;
    PointerInput* input_ = nullptr;
    TablePainter* view_ = nullptr;
    std::optional<PileRef> liftedPile_;
    TableDrawing drawing_;
    CardPictures pictures_;
    std::unique_ptr<CardMotion> motion_;
    QImage table_;
    QImage background_;
    QSize imageSize_;
    int lifted_ = 0;
    // The drawn card pictures by code, face and size: a deal draws each card once.
    QHash<quint64, QImage> cardCache_;
};

}  // namespace tarvelle
