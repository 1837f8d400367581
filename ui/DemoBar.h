// The demo bar (pnlDemo): buttons and a slider that step the demo player
// through the moves of the game on the table.
#pragma once

#include <functional>

#include <QFrame>

class QLabel;
class QPushButton;
class QScrollBar;
class QTimer;

namespace tarvelle {

class DemoBar : public QFrame {
    Q_OBJECT
public:
    explicit DemoBar(QWidget* parent = nullptr);

    // Goes from the current position to the target: undos below it, redos above it.
    std::function<void(int from, int to)> goTo;
    std::function<void()> close;

    // A new demo of a game of `moves` moves, at position 1 (the deal); position
    // p shows the table after p - 1 moves.
    void start(int moves);
    int position() const;
    int maximum() const;
    QScrollBar* slider() const { return scbDemoMove_; }
    QLabel* counter() const { return pnlDemoCount_; }

private:
    void go(int target);
    void releasePlay();

    QPushButton *btnDemoFirst_, *btnDemoPrior_, *btnDemoPlay_, *btnDemoStop_, *btnDemoNext_, *btnDemoLast_, *btnDemoClose_;
    QScrollBar* scbDemoMove_;
    QLabel* pnlDemoCount_;
    QTimer* player_;
    int noted_ = -1;
    bool stepping_ = false;
};

}  // namespace tarvelle
