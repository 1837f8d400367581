// The splash window shown while the program starts (TfrmSplash).
#include "ui/Splash.h"

#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QScreen>

namespace tarvelle {

TfrmSplash::TfrmSplash(QWidget* parent) : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("frmSplash"));
    setFixedSize(360, 200);
    if (const QScreen* s = QGuiApplication::primaryScreen()) move(s->geometry().center() - rect().center());
}

void TfrmSplash::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient shade(0, 0, 0, height());
    shade.setColorAt(0, QColor(0, 128, 0));
    shade.setColorAt(1, QColor(0, 40, 0));
    p.fillRect(rect(), shade);
    p.setPen(QPen(QColor(230, 200, 90), 2));
    p.drawRect(rect().adjusted(1, 1, -2, -2));
    QFont title(QStringLiteral("DejaVu Serif"));
    title.setPixelSize(48);
    title.setBold(true);
    p.setFont(title);
    p.setPen(QColor(255, 235, 150));
    p.drawText(rect().adjusted(0, 30, 0, -80), Qt::AlignCenter, QStringLiteral("Tarvelle"));
    QFont small(QStringLiteral("DejaVu Sans"));
    small.setPixelSize(14);
    p.setFont(small);
    p.setPen(Qt::white);
    p.drawText(rect().adjusted(0, 110, 0, -30), Qt::AlignCenter, QStringLiteral("Patience card games - version 4.50"));
}

}  // namespace tarvelle
