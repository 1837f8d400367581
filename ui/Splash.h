// The splash window shown while the program starts (TfrmSplash).
#pragma once

#include <QWidget>

namespace tarvelle {

class TfrmSplash : public QWidget {
    Q_OBJECT
public:
    explicit TfrmSplash(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace tarvelle
