#include "LinkLabel.h"

#include "ClickTracker.h"

namespace zornalit {

LinkLabel::LinkLabel(QWidget* parent)
    : QLabel(parent)
{
    connect(new ClickTracker(this), &ClickTracker::clicked, this, &LinkLabel::clicked);
}

} // namespace zornalit
