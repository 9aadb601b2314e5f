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
    m_segments = buildSegmentsPage(*SSTab1);
    m_documentButtons = buildDocumentPages(*SSTab1);
    m_links = buildLinksPage(*SSTab1);
    m_aboutPage = buildAboutPage(*SSTab1);

    // The multimedia control lies on the window itself and is never seen.
    Звук = new MultimediaControl(m_platform.sound, this);
    Звук->setObjectName(QStringLiteral("Звук"));
    Звук->setGeometry(rectFromTwips(120, 4800, 3540, 330));
    Звук->hide();

    SSTab1->setCurrentIndex(SegmentsTab);
    buildFocusOrder();
    // The window opens with the tab strip holding the focus.
    SSTab1->setFocus(Qt::OtherFocusReason);

    auto* nextTab = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Tab), this);
    connect(nextTab, &QShortcut::activated, SSTab1, &TabControl::selectNext);
    for (const QKeyCombination keys : {Qt::CTRL | Qt::SHIFT | Qt::Key_Tab, Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab}) {
        auto* previousTab = new QShortcut(QKeySequence(keys), this);
        connect(previousTab, &QShortcut::activated, SSTab1, &TabControl::selectPrevious);
    }
}

void Form1::buildTabs()
{
    SSTab1 = place<TabControl>(this, QStringLiteral("SSTab1"), rectFromTwips(0, 120, 7095, 4815));

    for (int tab = 0; tab < mainTabs().size(); ++tab) {
        const QString& caption = mainTabs()[tab].caption;
        if (const TabImage* image = imageOfTab(tab))
            SSTab1->addTab(caption, artwork::icon(QString::fromLatin1(image->resource)), image->size);
        else
            SSTab1->addTab(caption);
    }
}

// The Tab key visits the controls in this order; the hidden ones (those of
// the other tabs) are passed over. Labels and frames never take the focus.
void Form1::buildFocusOrder()
{
    QList<QWidget*> order{SSTab1, m_aboutPage.Picture1, m_links.Picture2, m_links.Picture3, m_links.Picture4,
        m_aboutPage.Command1, m_links.Text1, m_segments.Segm, m_segments.Sag, m_segments.Command2, m_segments.Picture5};
    // Then the buttons that fill a tab, in the order of their tabs; the
    // About window's button takes the place of its tab.
    for (int tab = 0; tab < mainTabs().size(); ++tab) {
        if (tab == AboutTab)
            order << m_aboutPage.Command8;
        for (const DocumentButton& document : std::as_const(m_documentButtons)) {
            if (document.tab == tab)
                order << document.button;
        }
    }
    for (qsizetype index = 1; index < order.size(); ++index)
        setTabOrder(order[index - 1], order[index]);
}

} // namespace zornalit
