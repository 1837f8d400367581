// The demo bar (pnlDemo): buttons and a slider that step the demo player
// through the moves of the game on the table.
#include "ui/DemoBar.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

namespace tarvelle {

namespace {

QPushButton* button(QWidget* parent, const char* name, const QString& caption, const QString& hint) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setToolTip(hint);
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

}  // namespace

DemoBar::DemoBar(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("pnlDemo"));
    setAutoFillBackground(true);
    setFrameShape(QFrame::NoFrame);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(4, 2, 4, 2);
    btnDemoFirst_ = button(this, "btnDemoFirst", QStringLiteral("|<"), QStringLiteral("First"));
    btnDemoPrior_ = button(this, "btnDemoPrior", QStringLiteral("<<"), QStringLiteral("Previous 3 moves"));
    btnDemoPlay_ = button(this, "btnDemoPlay", QStringLiteral("Play"), QStringLiteral("Play"));
    btnDemoStop_ = button(this, "btnDemoStop", QStringLiteral("Stop"), QStringLiteral("Stop"));
    btnDemoNext_ = button(this, "btnDemoNext", QStringLiteral(">>"), QStringLiteral("Next 3 moves"));
    btnDemoLast_ = button(this, "btnDemoLast", QStringLiteral(">|"), QStringLiteral("Last"));
    btnDemoClose_ = button(this, "btnDemoClose", QStringLiteral("Close"), QStringLiteral("Close"));
    btnDemoPlay_->setCheckable(true);
    btnDemoStop_->setCheckable(true);
    scbDemoMove_ = new QScrollBar(Qt::Horizontal, this);
    scbDemoMove_->setObjectName(QStringLiteral("scbDemoMove"));
    scbDemoMove_->setToolTip(QStringLiteral("Previous/Next move"));
    scbDemoMove_->setMinimum(1);
    scbDemoMove_->setMaximum(1);
    scbDemoMove_->setPageStep(3);
    pnlDemoCount_ = new QLabel(QStringLiteral("1/0"), this);
    pnlDemoCount_->setObjectName(QStringLiteral("pnlDemoCount"));
    pnlDemoCount_->setMinimumWidth(60);
    pnlDemoCount_->setAlignment(Qt::AlignCenter);
    for (QWidget* w : std::initializer_list<QWidget*>{btnDemoFirst_, btnDemoPrior_, btnDemoPlay_, btnDemoStop_, btnDemoNext_, btnDemoLast_})
        row->addWidget(w);
    row->addWidget(scbDemoMove_, 1);
    row->addWidget(pnlDemoCount_);
    row->addWidget(btnDemoClose_);

    player_ = new QTimer(this);
    player_->setInterval(700);
    connect(player_, &QTimer::timeout, this, [this] {
        if (position() >= maximum()) {
            releasePlay();
            return;
        }
        go(position() + 1);
        btnDemoPlay_->setChecked(true);
        player_->start();
    });

    connect(btnDemoFirst_, &QPushButton::clicked, this, [this] { go(scbDemoMove_->minimum()); });
    connect(btnDemoPrior_, &QPushButton::clicked, this, [this] { go(std::max(position() - 3, scbDemoMove_->minimum())); });
    connect(btnDemoNext_, &QPushButton::clicked, this, [this] { go(std::min(position() + 3, maximum())); });
    connect(btnDemoLast_, &QPushButton::clicked, this, [this] { go(maximum()); });
    connect(btnDemoClose_, &QPushButton::clicked, this, [this] {
        releasePlay();
        if (close) close();
    });
    connect(btnDemoPlay_, &QPushButton::clicked, this, [this] {
        releasePlay();
        btnDemoPlay_->setChecked(true);
        player_->start();
    });
    connect(btnDemoStop_, &QPushButton::clicked, this, [this] { releasePlay(); });

    // While the thumb is dragged only its starting point is noted; the step is made when it is let go.
    connect(scbDemoMove_, &QScrollBar::sliderPressed, this, [this] { noted_ = scbDemoMove_->value(); });
    connect(scbDemoMove_, &QScrollBar::sliderReleased, this, [this] {
        const int from = noted_ >= 0 ? noted_ : scbDemoMove_->value();
        noted_ = -1;
        const int to = scbDemoMove_->value();
        if (from != to && goTo) goTo(from, to);
        pnlDemoCount_->setText(QStringLiteral("%1/%2").arg(to).arg(maximum()));
    });
    connect(scbDemoMove_, &QScrollBar::actionTriggered, this, [this](int action) {
        if (action == QAbstractSlider::SliderMove || stepping_) return;
        // The value changes after this signal; take it when the event is done.
        const int from = noted_ >= 0 ? noted_ : scbDemoMove_->value();
        noted_ = -1;
        QTimer::singleShot(0, this, [this, from] {
            const int to = scbDemoMove_->value();
            if (from != to && goTo) goTo(from, to);
            pnlDemoCount_->setText(QStringLiteral("%1/%2").arg(to).arg(maximum()));
        });
    });
}

void DemoBar::releasePlay() {
    player_->stop();
    btnDemoPlay_->setChecked(false);
    btnDemoStop_->setChecked(false);
}

void DemoBar::start(int moves) {
    releasePlay();
    stepping_ = true;
    // One position for the deal and one after each move, so the last move is shown too.
    const int positions = moves + 1;
    scbDemoMove_->setMaximum(positions);
    scbDemoMove_->setValue(1);
    stepping_ = false;
    pnlDemoCount_->setText(QStringLiteral("1/%1").arg(positions));
}

int DemoBar::position() const { return scbDemoMove_->value(); }
int DemoBar::maximum() const { return scbDemoMove_->maximum(); }

void DemoBar::go(int target) {
    if (sender() != player_) releasePlay();
    const int from = position();
    if (target != from && goTo) goTo(from, target);
    stepping_ = true;
    scbDemoMove_->setValue(target);
    stepping_ = false;
    pnlDemoCount_->setText(QStringLiteral("%1/%2").arg(target).arg(maximum()));
}

}  // namespace tarvelle
