// The toolbar glyphs, drawn as shapes so that they are sharp at every size
// and pixel density; the disabled look is the same shape in grey.
#include "ui/Glyphs.h"

#include <QFont>
#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>

namespace tarvelle {

namespace {

class GlyphEngine : public QIconEngine {
public:
    explicit GlyphEngine(QString name) : name_(std::move(name)) {}

    QIconEngine* clone() const override { return new GlyphEngine(name_); }

    void paint(QPainter* p, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
        p->save();
        p->setRenderHint(QPainter::Antialiasing);
        p->translate(rect.topLeft());
        p->scale(rect.width() / 32.0, rect.height() / 32.0);
        const bool off = mode == QIcon::Disabled;
        draw(*p, off);
        p->restore();
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        QImage image(size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter p(&image);
        paint(&p, QRect(QPoint(0, 0), size), mode, state);
        p.end();
        return QPixmap::fromImage(image);
    }

    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override {
        QPixmap pm = pixmap(size * scale, mode, state);
        pm.setDevicePixelRatio(scale);
        return pm;
    }

private:
    QColor tone(QColor c, bool off) const { return off ? QColor(150, 150, 150) : c; }

    void draw(QPainter& p, bool off) const {
        const QPen outline(tone(QColor(40, 40, 40), off), 1.5);
        p.setPen(outline);
        if (name_ == "New") {
            p.setBrush(tone(Qt::white, off));
            p.drawRoundedRect(QRectF(7, 4, 18, 24), 2, 2);
            p.setBrush(tone(QColor(220, 30, 30), off));
            QPainterPath heart;
            heart.moveTo(16, 22);
            heart.cubicTo(6, 14, 11, 7, 16, 12);
            heart.cubicTo(21, 7, 26, 14, 16, 22);
            p.drawPath(heart);
        } else if (name_ == "Open") {
            p.setBrush(tone(QColor(240, 200, 80), off));
            QPolygonF folder({{3, 9}, {12, 9}, {14, 12}, {29, 12}, {29, 27}, {3, 27}});
            p.drawPolygon(folder);
        } else if (name_ == "Restart" || name_ == "Undo" || name_ == "Redo") {
            const bool back = name_ != "Redo";
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(tone(name_ == "Restart" ? QColor(0, 120, 0) : QColor(30, 70, 180), off), 3));
            if (name_ == "Restart") p.drawArc(QRectF(6, 6, 20, 20), 60 * 16, 290 * 16);
            else p.drawArc(QRectF(6, 10, 20, 18), back ? 0 : 180 * 16, back ? 180 * 16 : -180 * 16);
            p.setPen(Qt::NoPen);
            p.setBrush(tone(name_ == "Restart" ? QColor(0, 120, 0) : QColor(30, 70, 180), off));
            if (name_ == "Restart") p.drawPolygon(QPolygonF({{18, 1}, {26, 7}, {17, 11}}));
            else if (back) p.drawPolygon(QPolygonF({{0, 19}, {6, 26}, {12, 19}}));
            else p.drawPolygon(QPolygonF({{20, 19}, {26, 26}, {32, 19}}));
        } else if (name_ == "Save") {
            p.setBrush(tone(QColor(60, 90, 170), off));
            p.drawRect(QRectF(5, 5, 22, 22));
            p.setBrush(tone(Qt::white, off));
            p.drawRect(QRectF(10, 5, 12, 8));
            p.drawRect(QRectF(9, 18, 14, 9));
        } else if (name_ == "Autoplay") {
            p.setBrush(tone(Qt::white, off));
            p.drawRoundedRect(QRectF(4, 8, 14, 20), 2, 2);
            p.setPen(Qt::NoPen);
            p.setBrush(tone(QColor(0, 130, 0), off));
            p.drawPolygon(QPolygonF({{16, 6}, {28, 13}, {16, 20}}));
            p.drawRect(QRectF(12, 11, 5, 4));
        } else if (name_ == "Statistics") {
            p.setBrush(tone(QColor(200, 60, 60), off));
            p.drawRect(QRectF(5, 16, 6, 12));
            p.setBrush(tone(QColor(60, 160, 60), off));
            p.drawRect(QRectF(13, 8, 6, 20));
            p.setBrush(tone(QColor(60, 90, 200), off));
            p.drawRect(QRectF(21, 12, 6, 16));
        } else if (name_ == "Rules") {
            p.setBrush(tone(QColor(250, 240, 200), off));
            p.drawRect(QRectF(6, 4, 20, 24));
            p.setPen(QPen(tone(QColor(90, 90, 90), off), 1.2));
            for (int y = 10; y <= 22; y += 4) p.drawLine(QPointF(10, y), QPointF(22, y));
        } else if (name_ == "Exit") {
            p.setBrush(tone(QColor(150, 90, 40), off));
            p.drawRect(QRectF(8, 3, 16, 26));
            p.setBrush(tone(QColor(250, 220, 60), off));
            p.drawEllipse(QPointF(20, 17), 1.8, 1.8);
        }
    }

    QString name_;
};

}  // namespace

QIcon toolbarGlyph(const QString& name) { return QIcon(new GlyphEngine(name)); }

QImage pausePicture(int which) {
    const QString text = which == 1 ? QStringLiteral("Pause") : QStringLiteral("Press a key or click to go on");
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(which == 1 ? 48 : 18);
    font.setBold(true);
    const QFontMetrics metrics(font);
    QImage image(metrics.horizontalAdvance(text) + 8, metrics.height() + 8, QImage::Format_RGB32);
    image.fill(QColor(0, 128, 0));
    QPainter p(&image);
    p.setFont(font);
    p.setPen(QColor(255, 230, 120));
    p.drawText(image.rect(), Qt::AlignCenter, text);
    return image;
}

}  // namespace tarvelle
