#include "Form1.h"

#include "ClassicLook.h"
#include "lookup/FaultLookup.h"
#include "Form2.h"
#include "FreeTextBox.h"
#include "LinkLabel.h"
#include "PictureBox.h"
#include "PictureButton.h"
#include "QueryBox.h"
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
    connect(m_segments.Command2, &QPushButton::clicked, this, &Form1::findFaultDescription);
    connect(m_segments.Segm, &QLineEdit::returnPressed, this, &Form1::findFaultDescription);
    connect(m_segments.Sag, &QLineEdit::returnPressed, this, &Form1::findFaultDescription);

    for (const DocumentButton& document : std::as_const(m_documentButtons))
        connect(document.button, &QPushButton::clicked, this, [this, tab = document.tab] { openTabDocument(tab); });
    connect(SSTab1, &TabControl::tabSelected, this, [this](int index, int) { openTabDocument(index); });
    connect(m_aboutPage.Command1, &QPushButton::clicked, this, &Form1::readReadme);
    connect(m_aboutPage.Command8, &QPushButton::clicked, this, &Form1::showAboutWindow);

    connect(m_links.Label2, &LinkLabel::clicked, this, [this] { copyLinkOf(m_links.Label2); });
    connect(m_links.Picture3, &PictureBox::clicked, this, [this] { copyLinkOf(m_links.Label2); });
    connect(m_links.Label3, &LinkLabel::clicked, this, [this] { copyLinkOf(m_links.Label3); });
    connect(m_links.Picture4, &PictureBox::clicked, this, [this] { copyLinkOf(m_links.Label3); });

    connect(m_links.Text1, &FreeTextBox::clicked, this, &Form1::reactToFreeTextClick);
}

void Form1::findFaultDescription()
{
    const auto showBoxes = [this](const QueryBoxes& boxes) {
        m_segments.Segm->showText(boxes.segment);
        m_segments.Sag->showText(boxes.step);
    };
    // The lookup hands the boxes their texts before any message it shows;
    // what it returns is the same again.
    runFaultLookup(m_platform, m_stepCodes, {m_segments.Segm->text(), m_segments.Sag->text()}, showBoxes);
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
        m_links.Text1->setToolTip(triggerHint());
}

// Every showing finds the picture in place: start-up loaded it, and each
// closing loads it anew for the next showing.
void Form1::showAboutWindow()
{
    if (!m_about) // shown before start-up prepared it
        prepareAboutWindow();
    m_about->showModal();
    prepareAboutWindow();
}

void Form1::copyLinkOf(const QLabel* label)
{
    copyLink(m_platform.clipboard, label->text());
}

void Form1::reactToFreeTextClick()
{
    const QString before = m_links.Text1->text();
    const QString after = clickFreeText(m_platform, *Звук, before);
    if (after != before)
        m_links.Text1->showText(after);
}

// Closing the main window ends the program at once, whatever other windows
// exist: nothing is asked and nothing is saved.
void Form1::closeEvent(QCloseEvent* event)
{
    event->accept();
    QCoreApplication::exit(0);
}

} // namespace zornalit
