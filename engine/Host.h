// The host: everything the engine asks of the screen and the platform.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/Piles.h"

namespace tarvelle {

enum class MessageKind { Information, Warning, Confirmation, Error };
enum class MessageButtons { Ok, OkCancel, YesNo };
enum class MessageAnswer { Ok, Cancel, Yes, No };

struct ScreenInfo {
    int width = 1024;
    int height = 768;
    int bitsPerPixel = 32;  // bits per pixel times planes
};

// How a sound plays: at once and return, to its end before returning, or
// repeating until stopped.
enum class SoundMode { Play, PlayToEnd, Loop };

struct LocalTime {
    int year = 2000, month = 1, day = 1;
    int hour = 0, minute = 0, second = 0;
};

// How changed piles are drawn after a move.
enum class DrawEffect { Plain, Drop, Shadow };

// What the memory games' result window shows at the end of a game.
struct MemoryGameResult {
    bool won = false;
    int matches = 0;
    int misses = 0;
    int pointsPerMatch = 0;
    int pointsPerMiss = 0;
    int total = 0;
    int target = 0;
    std::string gridCaption;  // "Grid: 4 x 3" and the like; empty when the game has none
};

// The main window implements this on the screen; tests and the command-line
// tool implement it headless. Texts use "\r" between lines, as every message
// of the program does.
class Host {
public:
    virtual ~Host() = default;

    // A modal message box; an empty title stands for the program's name.
    virtual MessageAnswer showMessage(MessageKind kind, std::string_view title,
                                      std::string_view text, MessageButtons buttons) = 0;
    // The information box with its "&Don't show this message box again" check
    // box on the given page; true when the player ticked it.
    virtual bool showAdviceBox(std::string_view text, int page) = 0;
    virtual void beep() = 0;
    // A busy wait that processes no input: nothing interrupts an action.
    virtual void wait(int milliseconds) = 0;
    virtual ScreenInfo screen() const = 0;
    // The system's millisecond tick count.
    virtual std::uint32_t tickCount() const = 0;
    virtual LocalTime localTime() const = 0;

    // The table on the screen. A headless host has nothing to show.
    virtual void setWaitCursor(bool /*on*/) {}
    // The piles of the current game were laid out anew (fan offsets and positions).
    virtual void layOutTable() {}
    virtual void reloadCardImages() {}
    // A new deal chooses its random background, face set and back.
    virtual void chooseRandomLooks() {}
    virtual void clearTableImage() {}
    // The dealt table appears, with the dealing animation when asked.
    virtual void drawDealtTable(bool /*animate*/) {}
    // The enabled state of the commands changed (see CommandStates).
    virtual void commandsChanged() {}
    virtual void showScore() {}
    virtual void showClock() {}
    virtual void showTitle() {}
    virtual void refreshCardCounter() {}

    // Plays the WAVE resource named by the word; a word the library does not
    // hold stops whatever sound is playing.
    virtual void playSound(std::string_view /*word*/, SoundMode /*mode*/) {}

    // --- Moves and automatic moves --------------------------------------
    // Redraw every pile whose string differs between `before` (the saved pile copy) and `now`.
    virtual void redrawChangedPiles(const Piles& /*before*/, const Piles& /*now*/, DrawEffect /*effect*/) {}
    // Redraw one pile as the model now holds it (a card of it changed face).
    virtual void redrawPile(PileRef /*pile*/, DrawEffect /*effect*/) {}
    // Glide the cards (bottom first) from their place on `from` to the top of `to`; the model has not moved them yet.
    virtual void glideCards(const std::vector<int>& /*cards*/, PileRef /*from*/, PileRef /*to*/) {}
    // Glide the dragged card and the cards above it back from the last drag position to their place on the pile.
    virtual void glideBack(int /*card*/, PileRef /*pile*/) {}
    // Draw the empty-stock (redeal) marker on the pile; keep it for the given time, 0 leaves it drawn.
    virtual void drawEmptyStockMarker(PileRef /*pile*/, int /*milliseconds*/) {}
    // Repaint the whole table from the model.
    virtual void repaintTable() {}
    // Refresh the table image from the window (after a release).
    virtual void refreshTableImage() {}
    // Refresh the pile-size displays beside the piles.
    virtual void refreshPileSizes() {}
    // Refresh the special displays of the special game kinds; `movedCard` is the card just moved, 0 for none.
    virtual void refreshSpecialDisplays(int /*movedCard*/) {}
    // The lowest occupied point of the table changed: update the vertical scroll bar.
    virtual void updateScrollExtent() {}
    // Hide the tip that shows the size of the pile under the pointer.
    virtual void hidePileSizeTip() {}

    // --- End of a game ---------------------------------------------------
    // Run the winning animation until it ends or the player stops it.
    virtual void runWinningAnimation() {}
    // Show the won-game window (its "New game" button starts a new deal).
    virtual void showGameWon() {}
    // Show the memory games' result window.
    virtual void showMemoryGameResult(const MemoryGameResult& /*result*/) {}
    // Close the main window: it asked to close while a game was ending.
    virtual void closeMainWindow() {}
};

inline MessageAnswer showInformation(Host& host, std::string_view text) {
    return host.showMessage(MessageKind::Information, {}, text, MessageButtons::Ok);
}
inline MessageAnswer showError(Host& host, std::string_view text, std::string_view title = {}) {
    return host.showMessage(MessageKind::Error, title, text, MessageButtons::Ok);
}
inline bool askWarningYesNo(Host& host, std::string_view text) {
    return host.showMessage(MessageKind::Warning, {}, text, MessageButtons::YesNo) ==
           MessageAnswer::Yes;
}

}  // namespace tarvelle
