#pragma once

#include "lookup/StepCodes.h"
#include "platform/Platform.h"

#include <QImage>
#include <QWidget>

#include <memory>

class QGroupBox;
class QLabel;

namespace zornalit {

class Form2;
class FreeTextBox;
class LinkLabel;
class MultimediaControl;
class PictureBox;
class PictureButton;
class QueryBox;
class TabControl;

// The main window: the tabbed dialog with the fault lookup, the reference
// documents, the web links and the description of the program. It owns
// every control, the step-code table and the hidden About window.
class Form1 : public QWidget {
    Q_OBJECT
public:
    explicit Form1(const Platform& platform, QWidget* parent = nullptr);
    ~Form1() override;

    // Start-up work before the window is first shown: the About window with
    // its picture, then the window's own pictures. load() does it all at
    // once; a program start does the first part before the first paint and
    // the second once the window is on screen.
    void load();
    void loadForFirstPaint();
    void loadDocumentButtonPictures();

    // Puts the window in the middle of its screen, and again once the window
    // manager has framed it and the frame's size is known. A window larger
    // than the screen keeps its title bar on it.
    void placeAtScreenCentre();


protected:
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    void buildWindow();
    void buildTabs();
    void buildSegmentsTab();
    void buildDocumentTabs();
    void buildLinksTab();
    void buildAboutTab();
    void buildFocusOrder();
    void connectHandlers();

    QImage loadImage(const QString& fileName) const;
    void prepareAboutWindow();

    void findFaultDescription();
    void openTabDocument(int index);
    void openButtonDocument(const PictureButton* button);
    void readReadme();
    void showAboutWindow();
    void copyLinkOf(const QLabel* label);
    void reactToFreeTextClick();

    Platform m_platform;
    StepCodes m_stepCodes;
    std::unique_ptr<Form2> m_about;
    bool m_awaitingFrame = false;

    TabControl* SSTab1 = nullptr;

    QLabel* Label7 = nullptr;
    QueryBox* Segm = nullptr;
    QLabel* Label5 = nullptr;
    QueryBox* Sag = nullptr;
    QLabel* Label6 = nullptr;
    PictureButton* Command2 = nullptr;
    PictureBox* Picture5 = nullptr;

    // The buttons that fill the document tabs ("Command3" … "Command7",
    // "Command9"), in the order of their tabs.
    QList<PictureButton*> m_documentButtons;

    PictureBox* Picture2 = nullptr;
    QGroupBox* Frame1 = nullptr;
    PictureBox* Picture3 = nullptr;
    LinkLabel* Label2 = nullptr;
    FreeTextBox* Text1 = nullptr;
    QGroupBox* Frame2 = nullptr;
    PictureBox* Picture4 = nullptr;
    LinkLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;

    PictureBox* Picture1 = nullptr;
    QLabel* Label1 = nullptr;
    PictureButton* Command1 = nullptr;
    PictureButton* Command8 = nullptr;

    MultimediaControl* Звук = nullptr;
};

} // namespace zornalit
