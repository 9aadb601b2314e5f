// The main window's frame: its size, the tab strip, the pages it holds, and
// the order the Tab key visits the controls in. All geometry is in twips, as
// the window was designed; each page places its own controls.

#include "Form1.h"

#include "AboutPage.h"
#include "Artwork.h"
#include "ControlPlacement.h"
#include "DocumentPages.h"
#include "Fonts.h"
#include "FreeTextBox.h"
#include "LinksPage.h"
#include "PictureBox.h"
#include "PictureButton.h"
#include "QueryBox.h"
#include "SegmentsPage.h"
#include "TabControl.h"
#include "Twips.h"
#include "platform/qt/MultimediaControl.h"
#include "reference/MainTabs.h"

#include <QShortcut>

namespace zornalit {

namespace {

const QString windowCaption = QStringLiteral("Зорналит");

// The drawings beside the captions of three tabs, with their sizes in pixels
// at normal density; the other tabs show their captions alone.
struct TabImage {
    MainTab tab;
    const char* resource;
    QSize size;
};

constexpr TabImage tabImages[] = {
    {SegmentsTab, ":/resources/tab-segments.svg", {16, 15}},
    {LinksTab, ":/resources/tab-links.svg", {16, 16}},
    {AboutTab, ":/resources/tab-about.svg", {16, 16}},
};

const TabImage* imageOfTab(int tab)
{
    for (const TabImage& image : tabImages) {
        if (image.tab == tab)
            return &image;
    }
    return nullptr;
}

} // namespace

void Form1::buildWindow()
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(windowCaption);
    setWindowIcon(artwork::windowIcon());
    setFont(controlFont());
    // A fixed layout: nothing follows a change of the window's size.
    setFixedSize(rectFromTwips(0, 0, 7020, 4905).size());

    buildTabs();
    buildPages();

    // The multimedia control lies on the window itself and is never seen.
    m_sound = new MultimediaControl(m_platform.sound, this);
    m_sound->setObjectName(QStringLiteral("Звук"));
    m_sound->setGeometry(rectFromTwips(120, 4800, 3540, 330));
    m_sound->hide();

    m_tabs->setCurrentIndex(SegmentsTab);
    buildFocusOrder();
    // The window opens with the tab strip holding the focus.
    m_tabs->setFocus(Qt::OtherFocusReason);

    auto* nextTab = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Tab), this);
    connect(nextTab, &QShortcut::activated, m_tabs, &TabControl::selectNext);
    for (const QKeyCombination keys : {Qt::CTRL | Qt::SHIFT | Qt::Key_Tab, Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab}) {
        auto* previousTab = new QShortcut(QKeySequence(keys), this);
        connect(previousTab, &QShortcut::activated, m_tabs, &TabControl::selectPrevious);
    }
}

void Form1::buildTabs()
{
    m_tabs = place<TabControl>(this, QStringLiteral("SSTab1"), rectFromTwips(0, 120, 7095, 4815));

    for (int tab = 0; tab < mainTabs().size(); ++tab) {
        const QString& caption = mainTabs()[tab].caption;
        if (const TabImage* image = imageOfTab(tab))
            m_tabs->addTab(caption, artwork::icon(QString::fromLatin1(image->resource)), image->size);
        else
            m_tabs->addTab(caption);
    }
}

// The pages are made in this order, which is also the order a screen reader
// finds their controls in: the lookup, the documents, the links, About.
void Form1::buildPages()
{
    m_segmentsPage = new SegmentsPage(m_tabs);
    m_tabs->setPage(SegmentsTab, m_segmentsPage);
    m_documentButtons = buildDocumentPages(*m_tabs);
    m_linksPage = new LinksPage(m_tabs);
    m_tabs->setPage(LinksTab, m_linksPage);
    m_aboutPage = new AboutPage(m_tabs);
    m_tabs->setPage(AboutTab, m_aboutPage);
}

// The Tab key visits the controls in this order; the hidden ones (those of
// the other tabs) are passed over. Labels and frames never take the focus.
void Form1::buildFocusOrder()
{
    QList<QWidget*> order{m_tabs, m_aboutPage->photo(), m_linksPage->exchangePhoto(), m_linksPage->sitePicture(),
        m_linksPage->forumPicture(), m_aboutPage->readmeButton(), m_linksPage->extraBox(), m_segmentsPage->segmentBox(),
        m_segmentsPage->stepBox(), m_segmentsPage->findButton(), m_segmentsPage->cover()};
    // Then the buttons that fill a tab, in the order of their tabs; the
    // About window's button takes the place of its tab.
    for (int tab = 0; tab < mainTabs().size(); ++tab) {
        if (tab == AboutTab)
            order << m_aboutPage->aboutWindowButton();
        for (const DocumentButton& document : std::as_const(m_documentButtons)) {
            if (document.tab == tab)
                order << document.button;
        }
    }
    for (qsizetype index = 1; index < order.size(); ++index)
        setTabOrder(order[index - 1], order[index]);
}

} // namespace zornalit
