#pragma once

#include <QLineEdit>

namespace zornalit {

// A query box empties itself when the operator moves into it, by mouse or
// by the Tab keys, so a new number can be typed at once. Coming back to the
// window (from the editor or from a message box) leaves the text alone, and
// text set by the program never empties it.
class QueryBox : public QLineEdit {
    Q_OBJECT
public:
    explicit QueryBox(QWidget* parent = nullptr);

    static bool emptiesOn(Qt::FocusReason reason);

protected:
    void focusInEvent(QFocusEvent* event) override;
};

} // namespace zornalit
