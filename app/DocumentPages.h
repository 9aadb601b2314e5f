#pragma once

#include <QList>

namespace zornalit {

class PictureButton;
class TabControl;

// The tabs of the reference documents: each holds one large button that
// opens its document. Makes the buttons ("Command3" … "Command7",
// "Command9") and gives each to its tab; returns them in the order of
// their tabs.
QList<PictureButton*> buildDocumentPages(TabControl& tabs);

} // namespace zornalit
