#pragma once

class QLabel;

namespace zornalit {

class PictureBox;
class PictureButton;
class TabControl;

// The tab that describes the program: the photo, the description, the
// readme button and the button of the About window.
struct AboutPage {
    PictureBox* Picture1 = nullptr;
    QLabel* Label1 = nullptr;
    PictureButton* Command1 = nullptr;
    PictureButton* Command8 = nullptr;
};

// Makes the page's controls on the tab strip and gives them to its tab.
AboutPage buildAboutPage(TabControl& tabs);

} // namespace zornalit
