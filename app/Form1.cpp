#include "Form1.h"

#include "AboutPage.h"
#include "ClassicLook.h"
#include "lookup/FaultLookup.h"
#include "Form2.h"
#include "FreeTextBox.h"
#include "LinkLabel.h"
#include "LinksPage.h"
#include "PictureBox.h"
#include "PictureButton.h"
#include "QueryBox.h"
#include "SegmentsPage.h"
#include "TabControl.h"
#include "WindowPlacement.h"
#include "extras/FreeTextClick.h"
#include "platform/qt/MultimediaControl.h"
#include "reference/Documents.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>

namespace zornalit {

Form1::Form1(const Platform& platform, QWidget* parent)
    : QWidget(parent)
    , m_platform(platform)
{
    buildWindow();
    giveClassicLook(this);
    connectHandlers();
}

Form1::~Form1() = default;

void Form1::placeAtScreenCentre()
{
    const QScreen* where = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!where)
        return;
    move(centredFramePosition(frameGeometry().size(), where->availableGeometry()));
    // Before the window is shown its frame is not known yet: the title bar
    // would push the window off the centre by half its height.
    m_awaitingFrame = !isVisible() && frameGeometry().size() == size();
}

void Form1::moveEvent(QMoveEvent* event)
{
    QWidget::moveEvent(event);
    if (m_awaitingFrame && frameGeometry().size() != size()) {
        m_awaitingFrame = false;
        placeAtScreenCentre();
    }
}

void Form1::connectHandlers()
{
    connect(m_segmentsPage->findButton(), &QPushButton::clicked, this, &Form1::findFaultDescription);
    connect(m_segmentsPage->segmentBox(), &QLineEdit::returnPressed, this, &Form1::findFaultDescription);
    connect(m_segmentsPage->stepBox(), &QLineEdit::returnPressed, this, &Form1::findFaultDescription);

    for (const DocumentButton& document : std::as_const(m_documentButtons))
        connect(document.button, &QPushButton::clicked, this, [this, tab = document.tab] { openTabDocument(tab); });
    connect(m_tabs, &TabControl::tabSelected, this, [this](int index, int) { openTabDocument(index); });
    connect(m_aboutPage->readmeButton(), &QPushButton::clicked, this, &Form1::readReadme);
    connect(m_aboutPage->aboutWindowButton(), &QPushButton::clicked, this, &Form1::showAboutWindow);

    connect(m_linksPage->siteLink(), &LinkLabel::clicked, this, [this] { copyLinkOf(m_linksPage->siteLink()); });
    connect(m_linksPage->sitePicture(), &PictureBox::clicked, this, [this] { copyLinkOf(m_linksPage->siteLink()); });
    connect(m_linksPage->forumLink(), &LinkLabel::clicked, this, [this] { copyLinkOf(m_linksPage->forumLink()); });
    connect(m_linksPage->forumPicture(), &PictureBox::clicked, this, [this] { copyLinkOf(m_linksPage->forumLink()); });

    connect(m_linksPage->extraBox(), &FreeTextBox::clicked, this, &Form1::reactToFreeTextClick);
}

void Form1::findFaultDescription()
{
    const auto showBoxes = [this](const QueryBoxes& boxes) {
        m_segmentsPage->segmentBox()->showText(boxes.segment);
        m_segmentsPage->stepBox()->showText(boxes.step);
    };
    // The lookup hands the boxes their texts before any message it shows;
    // what it returns is the same again.
    const QueryBoxes typed{m_segmentsPage->segmentBox()->text(), m_segmentsPage->stepBox()->text()};
    runFaultLookup(m_platform, m_stepCodes, typed, showBoxes);
}

void Form1::openTabDocument(int index)
{
    if (const std::optional<QString> document = documentOfTab(index))
        openDocument(m_platform, *document);
}

void Form1::readReadme()
{
    // The hint comes only with a read-me the operator gets to see.
    if (openReadme(m_platform))
        m_linksPage->extraBox()->setToolTip(triggerHint());
}

// Every showing finds the picture in place: start-up loaded it, and each
// closing loads it anew for the next showing.
void Form1::showAboutWindow()
{
    if (!m_aboutWindow) // shown before start-up prepared it
        prepareAboutWindow();
    m_aboutWindow->showModal();
    prepareAboutWindow();
}

void Form1::copyLinkOf(const QLabel* label)
{
    copyLink(m_platform.clipboard, label->text());
}

void Form1::reactToFreeTextClick()
{
    const QString before = m_linksPage->extraBox()->text();
    const QString after = clickFreeText(m_platform, *m_sound, before);
    if (after != before)
        m_linksPage->extraBox()->showText(after);
}

// Closing the main window ends the program at once, whatever other windows
// exist: nothing is asked and nothing is saved.
void Form1::closeEvent(QCloseEvent* event)
{
    event->accept();
    QCoreApplication::exit(0);
}

} // namespace zornalit
