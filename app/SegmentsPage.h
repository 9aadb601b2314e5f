#pragma once

class QLabel;

namespace zornalit {

class PictureBox;
class PictureButton;
class QueryBox;
class TabControl;

// The tab the window opens on: the lookup line and the cover below it.
struct SegmentsPage {
    QLabel* Label7 = nullptr;
    QueryBox* Segm = nullptr;
    QLabel* Label5 = nullptr;
    QueryBox* Sag = nullptr;
    QLabel* Label6 = nullptr;
    PictureButton* Command2 = nullptr;
    PictureBox* Picture5 = nullptr;
};

// Makes the page's controls on the tab strip and gives them to its tab.
SegmentsPage buildSegmentsPage(TabControl& tabs);

} // namespace zornalit
