#pragma once

#include "AboutPage.h"
#include "LinksPage.h"
#include "SegmentsPage.h"
#include "lookup/StepCodes.h"
#include "platform/Platform.h"

#include <QImage>
#include <QWidget>

#include <memory>

class QLabel;

namespace zornalit {

class Form2;
class MultimediaControl;
class PictureButton;
class TabControl;

// The main window: the tabbed dialog with the fault lookup, the reference
// documents, the web links and the description of the program. Each tab's
// page builds its own controls; the window assembles them, wires them to
// the actions, and owns the step-code table and the hidden About window.
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
    SegmentsPage m_segments;
    // The buttons that fill the document tabs, in the order of their tabs.
    QList<PictureButton*> m_documentButtons;
    LinksPage m_links;
    AboutPage m_aboutPage;
    MultimediaControl* Звук = nullptr;
};

} // namespace zornalit
