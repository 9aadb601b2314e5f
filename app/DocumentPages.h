#pragma once

#include <QList>

namespace zornalit {

class PictureButton;
class TabControl;

// A button that fills a document tab, with the tab it lies on.
struct DocumentButton {
    int tab = 0;
    PictureButton* button = nullptr;
};

// The tabs of the reference documents: each holds one large button that
// opens its document. Makes the buttons ("Command3" … "Command7",
// "Command9") and gives each to its tab; returns them in the order of
// their tabs.
QList<DocumentButton> buildDocumentPages(TabControl& tabs);

} // namespace zornalit
