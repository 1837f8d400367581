// The two toolbars of the main window (pnlTB large, pnlTB1 small): ten
// buttons each with their glyphs and hints, flat or raised.
#include "ui/ToolBars.h"

#include <QContextMenuEvent>

#include "ui/Glyphs.h"

namespace tarvelle {

namespace {

constexpr const char* kNames[kToolButtons] = {"tbNew", "tbOpen", "tbRestart", "tbSave", "tbUndo",
                                              "tbRedo", "tbAutoPlay", "tbStat", "tbRules", "tbExit"};
constexpr const char* kHints[kToolButtons] = {"New", "Open", "Restart", "Save", "Undo",
                                              "Redo", "Autoplay", "Statistics", "Rules", "Exit"};
// The buttons after which a separator stands.
constexpr std::array<int, 4> kLargeBreaks = {3, 5, 6, 8};
constexpr std::array<int, 5> kSmallBreaks = {1, 3, 5, 6, 8};

const char* glyphOf(ToolButton b, bool on) {
    switch (b) {
        case ToolButton::Undo: return on ? "TB_UNDO" : "TB_UNDO_DIS";
        case ToolButton::Redo: return on ? "TB_REDO" : "TB_REDO_DIS";
        case ToolButton::AutoPlay: return on ? "TB_AUTOPLAY" : "TB_AUTOPLAY_DIS";
        default: return "";
    }
}

}  // namespace

ToolBarPanel::ToolBarPanel(bool large, QWidget* parent) : QFrame(parent), large_(large) {
    setObjectName(large ? QStringLiteral("pnlTB") : QStringLiteral("pnlTB1"));
    setFrameShape(QFrame::NoFrame);
    setAutoFillBackground(true);
    for (int i = 0; i < kToolButtons; ++i) {
        auto* b = new QToolButton(this);
        b->setObjectName(QString::fromLatin1(kNames[i]) + (large ? QString() : QStringLiteral("1")));
        const QString hint = QString::fromLatin1(kHints[i]);
        b->setToolTip(hint);
        b->setIcon(toolbarGlyph(hint));
        b->setFocusPolicy(Qt::NoFocus);
        if (large) {
            b->setText(hint);
            b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
            b->setIconSize(QSize(22, 22));
            QFont f = b->font();
            f.setPointSizeF(std::max(6.0, f.pointSizeF() - 2));
            b->setFont(f);
        } else {
            b->setToolButtonStyle(Qt::ToolButtonIconOnly);
            b->setIconSize(QSize(16, 16));
        }
        if (static_cast<ToolButton>(i) == ToolButton::AutoPlay) b->setCheckable(true);
        connect(b, &QToolButton::clicked, this, [this, i] { emit clicked(static_cast<ToolButton>(i)); });
        buttons_[static_cast<size_t>(i)] = b;
    }
    for (int i = 0; i < 5; ++i) {
        if (large && i == 4) break;
        auto* sep = new QFrame(this);
        sep->setObjectName(QStringLiteral("sep_tb_%1_%2").arg(large ? QStringLiteral("large") : QStringLiteral("small")).arg(i + 1));
        sep->setFrameShape(QFrame::VLine);
        sep->setFrameShadow(QFrame::Sunken);
        separators_[static_cast<size_t>(i)] = sep;
    }
    for (ToolButton b : {ToolButton::Undo, ToolButton::Redo, ToolButton::AutoPlay}) setGlyphEnabled(b, true);
    setFlat(true);
}

void ToolBarPanel::setGlyphEnabled(ToolButton b, bool on) {
    QToolButton* button = this->button(b);
    if (!large_) button->setProperty("glyph", QString::fromLatin1(glyphOf(b, on)));
}

int ToolBarPanel::barHeight() const {
    if (large_) return flat_ ? 46 : 45;
    return flat_ ? 24 : 25;
}

void ToolBarPanel::setFlat(bool flat) {
    flat_ = flat;
    for (QToolButton* b : buttons_) b->setAutoRaise(flat);
    for (QFrame* s : separators_)
        if (s) s->setVisible(flat);
    place();
}

void ToolBarPanel::setButtonTop(int top) {
    top_ = top;
    place();
}

void ToolBarPanel::setHints(bool shown) {
    for (int i = 0; i < kToolButtons; ++i)
        buttons_[static_cast<size_t>(i)]->setToolTip(shown ? QString::fromLatin1(kHints[i]) : QString());
}

int ToolBarPanel::exitButtonRight() const {
    const QToolButton* exit = button(ToolButton::Exit);
    return exit->x() + exit->width();
}

void ToolBarPanel::place() {
    const int w = large_ ? 44 : 23;
    const int h = large_ ? 42 : (flat_ ? 22 : 23);
    int x = 2;
    size_t sep = 0;
    for (int i = 0; i < kToolButtons; ++i) {
        buttons_[static_cast<size_t>(i)]->setGeometry(x, top_, w, h);
        x += w;
        const bool breakHere = large_ ? std::find(kLargeBreaks.begin(), kLargeBreaks.end(), i) != kLargeBreaks.end()
                                      : std::find(kSmallBreaks.begin(), kSmallBreaks.end(), i) != kSmallBreaks.end();
        if (breakHere && sep < separators_.size() && separators_[sep]) {
            if (flat_) {
                separators_[sep]->setGeometry(x + 2, top_ + 2, 4, h - 4);
                x += 8;
            } else {
                x += 4;
            }
            ++sep;
        }
    }
}

void ToolBarPanel::contextMenuEvent(QContextMenuEvent* event) { emit contextMenuWanted(event->globalPos()); }

}  // namespace tarvelle
