// The host on the screen: message boxes, beeps, waits, the screen's size,
// sounds, and the table hooks that the main window carries out.
#pragma once

#include <functional>
#include <memory>

#include <QElapsedTimer>
#include <QPointer>
#include <QWidget>

#include "engine/Host.h"

namespace tarvelle {

class SoundPlayer;

// What the engine's table hooks ask of the main window.
class HostWindow {
public:
    virtual ~HostWindow() = default;
    virtual void layOutTable() = 0;
    virtual void reloadCardImages() = 0;
    virtual void chooseRandomLooks() = 0;
    virtual void clearTableImage() = 0;
    virtual void drawDealtTable(bool animate) = 0;
    virtual void commandsChanged() = 0;
    virtual void showScore() = 0;
    virtual void showClock() = 0;
    virtual void showTitle() = 0;
    virtual void refreshCardCounter() = 0;
    virtual void redrawTable() = 0;
    // The piles changed by a move; a drop lands the dragged cards first.
    virtual void redrawChanged(DrawEffect effect) = 0;
    virtual void repaintWholeTable() = 0;
    virtual void glideCards(const std::vector<int>& cards, PileRef from, PileRef to) = 0;
    virtual void glideBack(int card, PileRef pile) = 0;
    virtual void drawEmptyStockMarker(PileRef pile, int milliseconds) = 0;
    virtual void updateScrollExtent() = 0;
    virtual void hidePileSizeTip() = 0;
    virtual void closeMainWindow() = 0;
};

class QtHost : public Host {
public:
    QtHost();
    ~QtHost() override;

    // The window that message boxes belong to.
    void setWindow(QWidget* window) { window_ = window; }
    // The main window that carries out the table hooks; nullptr before it exists.
    void setHostWindow(HostWindow* window) { hostWindow_ = window; }
    void setSoundPlayer(SoundPlayer* player) { sounds_ = player; }
    SoundPlayer* soundPlayer() const { return sounds_; }
    // Tests drive the clock themselves.
    void setTickSource(std::function<std::uint32_t()> source) { tickSource_ = std::move(source); }

    MessageAnswer showMessage(MessageKind kind, std::string_view title, std::string_view text,
                              MessageButtons buttons) override;
    bool showAdviceBox(std::string_view text, int page) override;
    void beep() override;
    void wait(int milliseconds) override;
    ScreenInfo screen() const override;
    std::uint32_t tickCount() const override;
    LocalTime localTime() const override;
    void setWaitCursor(bool on) override;

    void layOutTable() override;
    void reloadCardImages() override;
    void chooseRandomLooks() override;
    void clearTableImage() override;
    void drawDealtTable(bool animate) override;
    void commandsChanged() override;
    void showScore() override;
    void showClock() override;
    void showTitle() override;
    void refreshCardCounter() override;
    void playSound(std::string_view word, SoundMode mode) override;

    void redrawChangedPiles(const Piles& before, const Piles& now, DrawEffect effect) override;
    void redrawPile(PileRef pile, DrawEffect effect) override;
    void glideCards(const std::vector<int>& cards, PileRef from, PileRef to) override;
    void glideBack(int card, PileRef pile) override;
    void drawEmptyStockMarker(PileRef pile, int milliseconds) override;
    void repaintTable() override;
    void refreshTableImage() override;
    void updateScrollExtent() override;
    void hidePileSizeTip() override;
    void closeMainWindow() override;

    int beeps() const { return beeps_; }

private:
    QPointer<QWidget> window_;
    HostWindow* hostWindow_ = nullptr;
    SoundPlayer* sounds_ = nullptr;
    QElapsedTimer clock_;
    std::function<std::uint32_t()> tickSource_;
    int waitCursors_ = 0;
    int beeps_ = 0;
};

// The program's texts use "\r" between lines.
QString displayText(std::string_view text);

}  // namespace tarvelle
