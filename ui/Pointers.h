// The twelve pointer shapes of the table and the dialog that chooses one (TfrmPointers).
#pragma once

#include <functional>
#include <optional>
#include <string_view>

#include <QCursor>
#include <QDialog>

class QListWidget;

namespace tarvelle {

// The library's name of a shape id: 10 "CUR_ARROW1A" ... 25 "CUR_LEFT_HAND2B"; empty for another id.
std::string_view pointerResourceName(int id);

// The pointer shapes by id, from the resource library when it holds them,
// else drawn: arrows (10, 11), right hands (12, 13) and left hands (14, 15);
// the ids 20 to 25 are the same shapes carrying a card, shown while dragging.
class PointerShapes {
public:
    using Loader = std::function<std::optional<QCursor>(std::string_view name)>;
    explicit PointerShapes(Loader loader = nullptr);
    QCursor shape(int id) const;
    QPixmap picture(int id) const;

private:
    Loader loader_;
};

class TfrmPointers : public QDialog {
    Q_OBJECT
public:
    TfrmPointers(const PointerShapes& shapes, int currentId, QWidget* parent = nullptr);
    // 10 + the index of the selected icon, 0 when none is selected.
    int chosenId() const;

private:
    QListWidget* lvCursors_;
};

}  // namespace tarvelle
