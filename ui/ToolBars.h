// The two toolbars of the main window (pnlTB large, pnlTB1 small): ten
// buttons each with their glyphs and hints, flat or raised.
#pragma once

#include <array>

#include <QFrame>
#include <QToolButton>

namespace tarvelle {

enum class ToolButton { New, Open, Restart, Save, Undo, Redo, AutoPlay, Stat, Rules, Exit };
inline constexpr int kToolButtons = 10;

class ToolBarPanel : public QFrame {
    Q_OBJECT
public:
    ToolBarPanel(bool large, QWidget* parent = nullptr);

    QToolButton* button(ToolButton b) const { return buttons_[static_cast<size_t>(b)]; }
    bool large() const { return large_; }

    // Flat buttons with their separators, or raised ones without; the heights follow.
    void setFlat(bool flat);
    // Top 1 when only the small toolbar shows, else 2.
    void setButtonTop(int top);
    void setHints(bool shown);
    // The glyph of the small undo/redo/autoplay buttons in its enabled or disabled look.
    void setGlyphEnabled(ToolButton b, bool on);
    int exitButtonRight() const;
    int barHeight() const;

signals:
    void clicked(tarvelle::ToolButton button);
    void contextMenuWanted(QPoint globalPosition);

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void place();

    bool large_;
    bool flat_ = true;
    int top_ = 2;
    std::array<QToolButton*, kToolButtons> buttons_{};
    std::array<QFrame*, 5> separators_{};
};

}  // namespace tarvelle
