#pragma once

#include <QList>
#include <QString>

namespace zornalit {

class PictureButton;
class TabControl;

// A button that fills a document tab, with the tab it lies on.
struct DocumentButton {
    // Every document button shows the same picture, a file in the program
    // folder.
    static inline const QString pictureFile = QStringLiteral("Обложка1.bmp");

    int tab = 0;
    PictureButton* button = nullptr;
};

// The tabs of the reference documents: each page holds one large button
// that opens its document. Makes the pages with their buttons ("Command3"
// … "Command7", "Command9") and gives each page to its tab; returns the
// buttons in the order of their tabs.
QList<DocumentButton> buildDocumentPages(TabControl& tabs);

} // namespace zornalit
