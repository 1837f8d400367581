// The host on the screen: message boxes, beeps, waits and the screen's size.
#pragma once

#include <QElapsedTimer>
#include <QPointer>
#include <QWidget>

#include "engine/Host.h"

namespace tarvelle {

class QtHost : public Host {
public:
    QtHost();

    // The window that message boxes belong to.
    void setWindow(QWidget* window) { window_ = window; }

    MessageAnswer showMessage(MessageKind kind, std::string_view title, std::string_view text,
                              MessageButtons buttons) override;
    bool showAdviceBox(std::string_view text, int page) override;
    void beep() override;
    void wait(int milliseconds) override;
    ScreenInfo screen() const override;
    std::uint32_t tickCount() const override;
    LocalTime localTime() const override;
    void setWaitCursor(bool on) override;

private:
    QPointer<QWidget> window_;
    QElapsedTimer clock_;
    int waitCursors_ = 0;
};

// The program's texts use "\r" between lines.
QString displayText(std::string_view text);

}  // namespace tarvelle
