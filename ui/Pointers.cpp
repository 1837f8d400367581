// The twelve pointer shapes of the table and the dialog that chooses one (TfrmPointers).
#include "ui/Pointers.h"

#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QVBoxLayout>

namespace tarvelle {

std::string_view pointerResourceName(int id) {
    switch (id) {
        case 10: return "CUR_ARROW1A";
        case 11: return "CUR_ARROW2A";
        case 12: return "CUR_RIGHT_HAND1A";
        case 13: return "CUR_RIGHT_HAND2A";
        case 14: return "CUR_LEFT_HAND1A";
        case 15: return "CUR_LEFT_HAND2A";
        case 20: return "CUR_ARROW1B";
        case 21: return "CUR_ARROW2B";
        case 22: return "CUR_RIGHT_HAND1B";
        case 23: return "CUR_RIGHT_HAND2B";
        case 24: return "CUR_LEFT_HAND1B";
        case 25: return "CUR_LEFT_HAND2B";
        default: return {};
    }
}

PointerShapes::PointerShapes(Loader loader) : loader_(std::move(loader)) {}

QPixmap PointerShapes::picture(int id) const {
    const int base = id >= 20 ? id - 10 : id;
    const bool dragging = id >= 20;
    const qreal ratio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    QPixmap pm(QSize(32, 32) * ratio);
    pm.setDevicePixelRatio(ratio);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor fill = base % 2 == 0 ? Qt::white : QColor(255, 240, 160);
    QPainterPath path;
    if (base <= 11) {
        const qreal k = base == 10 ? 1.0 : 1.3;
        path.moveTo(1, 1);
        path.lineTo(1, 17 * k);
        path.lineTo(5 * k, 13 * k);
        path.lineTo(8 * k, 20 * k);
        path.lineTo(11 * k, 19 * k);
        path.lineTo(8 * k, 12 * k);
        path.lineTo(13 * k, 12 * k);
        path.closeSubpath();
    } else {
        // A pointing hand; the left hands are the mirror image.
        path.addRoundedRect(QRectF(8, 1, 5, 16), 2.5, 2.5);
        path.addRoundedRect(QRectF(6, 12, 16, 14), 4, 4);
        path.addRoundedRect(QRectF(2, 13, 6, 5), 2.5, 2.5);
        path = path.simplified();
        if (base >= 14) path = QTransform(-1, 0, 0, 1, 24, 0).map(path);
    }
    p.setPen(QPen(Qt::black, 1.2));
    p.setBrush(fill);
    p.drawPath(path);
    if (dragging) {
        p.setBrush(Qt::white);
        p.drawRoundedRect(QRectF(16, 14, 12, 16), 2, 2);
        p.setBrush(QColor(200, 0, 0));
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPointF(22, 22), 2.5, 2.5);
    }
    return pm;
}

QCursor PointerShapes::shape(int id) const {
    if (loader_) {
        if (auto c = loader_(pointerResourceName(id))) return *c;
    }
    const int base = id >= 20 ? id - 10 : id;
    const QPoint hotSpot = base <= 11 ? QPoint(1, 1) : base <= 13 ? QPoint(10, 1) : QPoint(13, 1);
    return QCursor(picture(id), hotSpot.x(), hotSpot.y());
}

TfrmPointers::TfrmPointers(const PointerShapes& shapes, int currentId, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmPointers"));
    setWindowTitle(QStringLiteral("Pointers"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Select the mouse pointer you prefer:")));
    lvCursors_ = new QListWidget;
    lvCursors_->setObjectName(QStringLiteral("lvCursors"));
    lvCursors_->setViewMode(QListView::IconMode);
    lvCursors_->setIconSize(QSize(32, 32));
    lvCursors_->setMovement(QListView::Static);
    lvCursors_->setFlow(QListView::LeftToRight);
    lvCursors_->setFixedHeight(64);
    for (int id = 10; id <= 15; ++id) lvCursors_->addItem(new QListWidgetItem(QIcon(shapes.picture(id)), QString()));
    const int row = currentId == 10 ? 0 : (currentId == 11 || currentId == 0) ? 1 : currentId >= 12 && currentId <= 15 ? currentId - 10 : -1;
    if (row >= 0) lvCursors_->setCurrentRow(row);
    layout->addWidget(lvCursors_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    QPushButton* help = buttons->addButton(QStringLiteral("&?"), QDialogButtonBox::HelpRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, [this] {
        QMessageBox::information(this, windowTitle(),
                                 QStringLiteral("The pointer chosen here is shown over the table; while a card is dragged it carries the card."));
    });
    layout->addWidget(buttons);
}

int TfrmPointers::chosenId() const {
    const int row = lvCursors_->currentRow();
    return lvCursors_->currentItem() && row >= 0 ? 10 + row : 0;
}

}  // namespace tarvelle
