#pragma once

#include <QLabel>

namespace zornalit {

// A label that reports a click: a press and a release of the left button,
// the release inside the label.
class LinkLabel : public QLabel {
    Q_OBJECT
public:
    explicit LinkLabel(QWidget* parent = nullptr);

signals:
    void clicked();
};

} // namespace zornalit
