#pragma once

#include "DocumentPages.h"
#include "lookup/StepCodes.h"
#include "platform/Platform.h"

#include <QImage>
#include <QWidget>

#include <memory>

class QLabel;

namespace zornalit {

class AboutPage;
class Form2;
class LinksPage;
class MultimediaControl;
class SegmentsPage;
class TabControl;

// The main window: the tabbed dialog with the fault lookup, the reference
// documents, the web links and the description of the program. Each tab's
// page is a widget that builds and owns its controls; the window gives the
// pages to their tabs, wires the controls to the actions, and owns the
// step-code table and the hidden About window.
class Form1 : public QWidget {
    Q_OBJECT
public:
    explicit Form1(const Platform& platform, QWidget* parent = nullptr);
    ~Form1() override;

    // The start-up pictures. Before the first paint the window loads only
    // the cover of the tab it opens on, and keeps a failure to itself: the
    // result says why the cover is missing, empty when it loaded. Right
    // after the first paint come the About window with its picture, the
    // pictures of the About and links tabs, the cover's failure told in the
    // cover's turn, and last the document buttons' pictures.
    [[nodiscard]] QString loadCoverFirst();
    void loadAfterFirstPaint(const QString& coverProblem);

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
    void buildPages();
    void buildFocusOrder();
    void connectHandlers();

    QImage loadImage(const QString& fileName) const;
    void prepareAboutWindow();
    void loadAboutAndLinkPictures();
    void loadDocumentButtonPictures();

    void findFaultDescription();
    void openTabDocument(int index);
    void readReadme();
    void showAboutWindow();
    void copyLinkOf(const QLabel* label);
    void reactToFreeTextClick();

    Platform m_platform;
    StepCodes m_stepCodes;
    std::unique_ptr<Form2> m_aboutWindow;
    bool m_awaitingFrame = false;

    TabControl* m_tabs = nullptr;
    SegmentsPage* m_segmentsPage = nullptr;
    // The buttons that fill the document tabs, in the order of their tabs.
    QList<DocumentButton> m_documentButtons;
    LinksPage* m_linksPage = nullptr;
    AboutPage* m_aboutPage = nullptr;
    MultimediaControl* m_sound = nullptr;
};

} // namespace zornalit
