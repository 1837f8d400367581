// The host on the screen: message boxes, beeps, waits and the screen's size.
#include "ui/QtHost.h"

#include <QApplication>
#include <QCheckBox>
#include <QDateTime>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>

namespace tarvelle {

QString displayText(std::string_view text) {
    QString out = QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
    out.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return out;
}

QtHost::QtHost() { clock_.start(); }

MessageAnswer QtHost::showMessage(MessageKind kind, std::string_view title, std::string_view text,
                                  MessageButtons buttons) {
    QMessageBox box(window_);
    switch (kind) {
        case MessageKind::Information: box.setIcon(QMessageBox::Information); break;
        case MessageKind::Warning: box.setIcon(QMessageBox::Warning); break;
        case MessageKind::Confirmation: box.setIcon(QMessageBox::Question); break;
        case MessageKind::Error: box.setIcon(QMessageBox::Critical); break;
    }
    box.setWindowTitle(title.empty() ? QStringLiteral("Tarvelle") : displayText(title));
    box.setText(displayText(text));
    switch (buttons) {
        case MessageButtons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
        case MessageButtons::OkCancel: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
        case MessageButtons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    }
    switch (box.exec()) {
        case QMessageBox::Cancel: return MessageAnswer::Cancel;
        case QMessageBox::Yes: return MessageAnswer::Yes;
        case QMessageBox::No: return MessageAnswer::No;
        default: return MessageAnswer::Ok;
    }
}

bool QtHost::showAdviceBox(std::string_view text, int) {
    QMessageBox box(window_);
    box.setIcon(QMessageBox::Information);
    box.setWindowTitle(QStringLiteral("Tarvelle"));
    box.setText(displayText(text));
    auto* dontShow = new QCheckBox(QStringLiteral("&Don't show this message box again"));
    box.setCheckBox(dontShow);
    box.exec();
    return dontShow->isChecked();
}

void QtHost::beep() { QApplication::beep(); }

void QtHost::wait(int milliseconds) {
    // No input is processed, so nothing interrupts the action that waits.
    const std::uint32_t until = tickCount() + static_cast<std::uint32_t>(milliseconds);
    while (static_cast<std::int32_t>(until - tickCount()) > 0) {
    }
}

ScreenInfo QtHost::screen() const {
    ScreenInfo info;
    if (const QScreen* s = QGuiApplication::primaryScreen()) {
        info.width = s->geometry().width();
        info.height = s->geometry().height();
        info.bitsPerPixel = s->depth();
    }
    return info;
}

std::uint32_t QtHost::tickCount() const { return static_cast<std::uint32_t>(clock_.elapsed()); }

LocalTime QtHost::localTime() const {
    const QDateTime now = QDateTime::currentDateTime();
    return {now.date().year(), now.date().month(), now.date().day(),
            now.time().hour(), now.time().minute(), now.time().second()};
}

void QtHost::setWaitCursor(bool on) {
    if (on) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        ++waitCursors_;
    } else if (waitCursors_ > 0) {
        QApplication::restoreOverrideCursor();
        --waitCursors_;
    }
}

}  // namespace tarvelle
