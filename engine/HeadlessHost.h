// A host without a screen, for tests and the command-line tool: it records
// the messages it was shown and answers questions as it was told.
#pragma once

#include <string>
#include <vector>

#include "engine/Host.h"

namespace tarvelle {

class HeadlessHost : public Host {
public:
    struct Shown {
        MessageKind kind;
        std::string title;
        std::string text;
    };

    MessageAnswer showMessage(MessageKind kind, std::string_view title, std::string_view text,
                              MessageButtons buttons) override;
    bool showAdviceBox(std::string_view text, int page) override;
    void beep() override { ++beeps; }
    // Time passes without waiting.
    void wait(int milliseconds) override { ticks += static_cast<std::uint32_t>(milliseconds); }
    ScreenInfo screen() const override { return screenInfo; }
    std::uint32_t tickCount() const override { return ticks; }
    LocalTime localTime() const override { return time; }

    // What the host was shown, oldest first.
    std::vector<Shown> messages;
    int beeps = 0;
    // Questions are answered Yes or OK when true, No or Cancel when false.
    bool agree = true;
    bool tickDontShowAgain = false;
    ScreenInfo screenInfo;
    std::uint32_t ticks = 0;
    LocalTime time;
};

}  // namespace tarvelle
