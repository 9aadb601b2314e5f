#pragma once

class QGroupBox;
class QLabel;

namespace zornalit {

class FreeTextBox;
class LinkLabel;
class PictureBox;
class TabControl;

// The tab of the web links: the exchange's photo, the two addresses with
// their pictures, the box of the hidden extra and how to use the links.
struct LinksPage {
    PictureBox* Picture2 = nullptr;
    QGroupBox* Frame1 = nullptr;
    PictureBox* Picture3 = nullptr;
    LinkLabel* Label2 = nullptr;
    FreeTextBox* Text1 = nullptr;
    QGroupBox* Frame2 = nullptr;
    PictureBox* Picture4 = nullptr;
    LinkLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
};

// Makes the page's controls on the tab strip and gives them to its tab.
LinksPage buildLinksPage(TabControl& tabs);

} // namespace zornalit
