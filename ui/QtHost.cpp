// The host on the screen: message boxes, beeps, waits, the screen's size,
// sounds, and the table hooks that the main window carries out.
#include "ui/QtHost.h"

#include "ui/SoundPlayer.h"

#include <QApplication>
#include <QCheckBox>
#include <QDateTime>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QThread>

namespace tarvelle {

QString displayText(std::string_view text) {
    QString out = QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
    out.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return out;
}

QtHost::QtHost() { clock_.start(); }

QtHost::~QtHost() = default;

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

void QtHost::beep() {
    ++beeps_;
    QApplication::beep();
}

void QtHost::wait(int milliseconds) {
    // No input is processed, so nothing interrupts the action that waits.
    if (milliseconds <= 0) return;
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < milliseconds) QThread::usleep(300);
}

ScreenInfo QtHost::screen() const {
    ScreenInfo info;
    if (const QScreen* s = QGuiApplication::primaryScreen()) {
        info.width = s->geometry().width();
        info.height = s->geometry().height();
        // The offscreen platform reports no depth; such a screen still shows true colour.
        info.bitsPerPixel = s->depth() > 0 ? s->depth() : 32;
    }
    return info;
}

std::uint32_t QtHost::tickCount() const {
    return tickSource_ ? tickSource_() : static_cast<std::uint32_t>(clock_.elapsed());
}

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

void QtHost::layOutTable() {
    if (hostWindow_) hostWindow_->layOutTable();
}
void QtHost::reloadCardImages() {
    if (hostWindow_) hostWindow_->reloadCardImages();
}
void QtHost::chooseRandomLooks() {
    if (hostWindow_) hostWindow_->chooseRandomLooks();
}
void QtHost::clearTableImage() {
    if (hostWindow_) hostWindow_->clearTableImage();
}
void QtHost::drawDealtTable(bool animate) {
    if (hostWindow_) hostWindow_->drawDealtTable(animate);
}
void QtHost::commandsChanged() {
    if (hostWindow_) hostWindow_->commandsChanged();
}
void QtHost::showScore() {
    if (hostWindow_) hostWindow_->showScore();
}
void QtHost::showClock() {
    if (hostWindow_) hostWindow_->showClock();
}
void QtHost::showTitle() {
    if (hostWindow_) hostWindow_->showTitle();
}
void QtHost::refreshCardCounter() {
    if (hostWindow_) hostWindow_->refreshCardCounter();
}

void QtHost::playSound(std::string_view word, SoundMode mode) {
    if (sounds_) sounds_->play(word, mode);
}

void QtHost::redrawChangedPiles(const Piles&, const Piles&, DrawEffect effect) {
    if (hostWindow_) hostWindow_->redrawChanged(effect);
}
void QtHost::redrawPile(PileRef, DrawEffect) {
    if (hostWindow_) hostWindow_->redrawTable();
}
void QtHost::glideCards(const std::vector<int>& cards, PileRef from, PileRef to) {
    if (hostWindow_) hostWindow_->glideCards(cards, from, to);
}
void QtHost::glideBack(int card, PileRef pile) {
    if (hostWindow_) hostWindow_->glideBack(card, pile);
}
void QtHost::drawEmptyStockMarker(PileRef pile, int milliseconds) {
    if (hostWindow_) hostWindow_->drawEmptyStockMarker(pile, milliseconds);
}
void QtHost::repaintTable() {
    if (hostWindow_) hostWindow_->repaintWholeTable();
}
void QtHost::refreshTableImage() {
    if (hostWindow_) hostWindow_->redrawTable();
}
void QtHost::updateScrollExtent() {
    if (hostWindow_) hostWindow_->updateScrollExtent();
}
void QtHost::hidePileSizeTip() {
    if (hostWindow_) hostWindow_->hidePileSizeTip();
}
void QtHost::closeMainWindow() {
    if (hostWindow_) hostWindow_->closeMainWindow();
}

}  // namespace tarvelle
