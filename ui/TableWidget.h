// The table (imgSfondo): the client area of the main window that shows the
// painter's table image and the moving image, and hands pointer events to the pointer input.
#pragma once

#include <memory>
#include <optional>

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
    TableWidget(EngineState& state, TablePainter& painter, QWidget* parent = nullptr);

    void setPointerInput(PointerInput* input) { input_ = input; }
    TablePainter& painter() const { return painter_; }

    CardMotion& motion() { return *motion_; }
    QImage cardPicture(int code, bool faceUp) const;
    QImage& tableImage() override;
    QPoint tableOrigin() const override;
    void repaintNow(const QRect& area) override;
    void wait(int milliseconds) override;

    // Draws the piles that changed since they were last drawn and shows them.
    void redrawTable();
    // The cards from `card` up are lifted off the table picture while they are dragged; 0 puts them back.
    void setLifted(int card);
    int lifted() const { return lifted_; }
    // Copies the background over the table image and the window: an empty table.
    void clearTable();

    // Input that arrives while the table animates is dropped, not kept for later.
    void discardPendingInput();

signals:
    void resized();
    void painted();
    // The widget moved to a screen of another pixel density, or was first shown on one.
    void pixelRatioChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void checkPixelRatio();

    EngineState& state_;
    TablePainter& painter_;
    PointerInput* input_ = nullptr;
    std::optional<PileRef> liftedPile_;
    std::unique_ptr<CardMotion> motion_;
    int lifted_ = 0;
};

}  // namespace tarvelle
