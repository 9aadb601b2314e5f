#pragma once

#include <QLabel>
#include <QRect>
#include <QString>
#include <QWidget>

namespace zornalit {

// Every control of the main window is made the same way: a child of its
// page with its object name and its place, given in pixels.
template <typename Control>
Control* place(QWidget* parent, const QString& name, QRect geometry)
{
    auto* control = new Control(parent);
    control->setObjectName(name);
    control->setGeometry(geometry);
    return control;
}

// Labels wrap their words and start at the top left, on the page's colour.
template <typename Label = QLabel>
Label* placeLabel(QWidget* parent, const QString& name, QRect geometry, const QString& caption)
{
    auto* label = place<Label>(parent, name, geometry);
    label->setText(caption);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

} // namespace zornalit
