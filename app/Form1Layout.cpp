// The main window's controls: where each stands, how it looks, which tab it
// belongs to and the order the Tab key visits them in. All geometry is in
// twips, as the window was designed.

#include "Form1.h"

#include "Artwork.h"
#include "Fonts.h"
#include "FreeTextBox.h"
#include "LinkAddresses.h"
#include "LinkLabel.h"
#include "PictureBox.h"
#include "PictureButton.h"
#include "QueryBox.h"
#include "TabControl.h"
#include "TabTexts.h"
#include "Twips.h"
#include "platform/qt/MultimediaControl.h"
#include "reference/MainTabs.h"

#include <QGroupBox>
#include <QLabel>
#include <QShortcut>

namespace zornalit {

namespace {

const QString windowCaption = QStringLiteral("Зорналит");

template <typename Control>
Control* place(QWidget* parent, const QString& name, QRect geometry)
{
    auto* control = new Control(parent);
    control->setObjectName(name);
    control->setGeometry(geometry);
    return control;
}

// Labels wrap their words and start at the top left, on the page's colour.
template <typename Label = QLabel>
Label* placeLabel(QWidget* parent, const QString& name, QRect geometry, const QString& caption)
{
    auto* label = place<Label>(parent, name, geometry);
    label->setText(caption);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

// The two web addresses look like links: blue, large, bold, italic,
// underlined, centred, with the link pointer.
void giveLinkLook(QLabel* label, const QCursor& linkPointer)
{
    label->setFont(serifFont(18, {.bold = true, .italic = true, .underline = true}));
    // Without an explicit role the label would take the tab page's button
    // text colour and the blue would never be drawn.
    label->setForegroundRole(QPalette::WindowText);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QColor(0, 0, 255));
    label->setPalette(palette);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setWordWrap(false);
    label->setCursor(linkPointer);
}

// A frame without a caption: only its outline.
QGroupBox* placeFrame(QWidget* parent, const QString& name, QRect geometry)
{
    auto* frame = place<QGroupBox>(parent, name, geometry);
    frame->setFlat(false);
    frame->setFocusPolicy(Qt::NoFocus);
    return frame;
}

QueryBox* placeQueryBox(QWidget* parent, const QString& name, QRect geometry, const QString& tooltip)
{
    auto* box = place<QueryBox>(parent, name, geometry);
    box->setFont(serifFont(36, {.bold = true}));
    box->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    box->setToolTip(tooltip);
    box->setAccessibleName(tooltip);
    return box;
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
    buildSegmentsTab();
    buildDocumentTabs();
    buildLinksTab();
    buildAboutTab();

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

    for (const MainTabRow& row : mainTabs()) {
        if (row.image.isEmpty()) {
            SSTab1->addTab(row.caption);
        } else {
            const QSize imageSize(row.imageWidth, row.imageHeight);
            SSTab1->addTab(row.caption, artwork::icon(row.image), imageSize);
        }
    }
}

// The lookup line reads like the header of a fault description:
// "СЕГМ", segment, ".", step, ".", and the arrow that runs the lookup.
void Form1::buildSegmentsTab()
{
    const QFont large = serifFont(36, {.bold = true});
    const QFont largeRegular = serifFont(36, {});

    Label7 = placeLabel(SSTab1, QStringLiteral("Label7"), rectFromTwips(240, 1200, 2295, 1215), QStringLiteral("СЕГМ"));
    Label7->setFont(large);
    Segm = placeQueryBox(SSTab1, QStringLiteral("Segm"), rectFromTwips(2880, 1200, 1095, 945), QStringLiteral("Сегмент"));
    Label5 = placeLabel(SSTab1, QStringLiteral("Label5"), rectFromTwips(3960, 1200, 255, 735), QStringLiteral("."));
    Label5->setFont(largeRegular);
    Sag = placeQueryBox(SSTab1, QStringLiteral("Sag"), rectFromTwips(4440, 1200, 1095, 945), QStringLiteral("Шаг"));
    Segm->setAccessibleDescription(QStringLiteral("Номер сегмента"));
    Sag->setAccessibleDescription(QStringLiteral("Номер шага"));
    Label6 = placeLabel(SSTab1, QStringLiteral("Label6"), rectFromTwips(5520, 1200, 255, 735), QStringLiteral("."));
    Label6->setFont(largeRegular);

    const QString findTip = QStringLiteral("Найти описание неисправности");
    Command2 = place<PictureButton>(SSTab1, QStringLiteral("Command2"), rectFromTwips(5880, 1320, 615, 615));
    Command2->setPicture(artwork::icon(artwork::arrowImage), QSize(32, 32));
    Command2->setToolTip(findTip);
    Command2->setAccessibleName(findTip);

    Picture5 = place<PictureBox>(SSTab1, QStringLiteral("Picture5"), rectFromTwips(240, 2280, 6255, 2295));
    Picture5->setAccessibleName(QStringLiteral("Обложка"));

    SSTab1->addControls(SegmentsTab, {Label7, Segm, Label5, Sag, Label6, Command2, Picture5});
}

void Form1::buildDocumentTabs()
{
    const QFont captionFont = serifFont(12, {.bold = true});
    for (int tab = 0; tab < mainTabs().size(); ++tab) {
        const MainTabRow& row = mainTabs()[tab];
        if (row.button.isEmpty())
            continue;
        auto* button = place<PictureButton>(SSTab1, row.button, rectFromTwips(120, 960, 6495, 3735));
        button->setText(row.buttonCaption);
        button->setFont(captionFont);
        SSTab1->addControl(tab, button);
        m_documentButtons << button;
    }
}

void Form1::buildLinksTab()
{
    const QCursor linkPointer = artwork::linkPointer();
    // What a screen reader says of the four link controls besides their names.
    const QString copiesAddress = QStringLiteral("Щелчок копирует адрес в буфер обмена");

    Picture2 = place<PictureBox>(SSTab1, QStringLiteral("Picture2"), rectFromTwips(120, 1200, 2175, 1455));
    Picture2->setToolTip(QStringLiteral("Фото любимой АТС"));
    Picture2->setAccessibleName(Picture2->toolTip());

    Frame1 = placeFrame(SSTab1, QStringLiteral("Frame1"), rectFromTwips(2400, 1080, 4215, 735));
    Picture3 = place<PictureBox>(Frame1, QStringLiteral("Picture3"), rectFromTwips(0, 120, 4215, 615));
    Picture3->setCursor(linkPointer);
    Frame1->setAccessibleName(QStringLiteral("Ссылка на сайт"));
    Picture3->setAccessibleName(QStringLiteral("Сайт КВАНТ"));
    Picture3->setAccessibleDescription(copiesAddress);

    Label2 = placeLabel<LinkLabel>(SSTab1, QStringLiteral("Label2"), rectFromTwips(2400, 1800, 4215, 615), siteAddress);
    giveLinkLook(Label2, linkPointer);
    Label2->setAccessibleDescription(copiesAddress);

    Text1 = place<FreeTextBox>(SSTab1, QStringLiteral("Text1"), rectFromTwips(120, 2760, 4215, 285));
    Text1->showText(QString(25, QLatin1Char('@')));
    Text1->setToolTip(QStringLiteral("Easter egg"));
    Text1->setAccessibleName(Text1->toolTip());

    Frame2 = placeFrame(SSTab1, QStringLiteral("Frame2"), rectFromTwips(120, 3120, 4215, 855));
    Picture4 = place<PictureBox>(Frame2, QStringLiteral("Picture4"), rectFromTwips(0, 120, 4215, 735));
    Picture4->setCursor(linkPointer);
    Frame2->setAccessibleName(QStringLiteral("Ссылка на форум"));
    Picture4->setAccessibleName(QStringLiteral("Форум КВАНТ"));
    Picture4->setAccessibleDescription(copiesAddress);

    Label3 = placeLabel<LinkLabel>(SSTab1, QStringLiteral("Label3"), rectFromTwips(120, 4080, 4215, 615), forumAddress);
    giveLinkLook(Label3, linkPointer);
    Label3->setAccessibleDescription(copiesAddress);

    Label4 = placeLabel(SSTab1, QStringLiteral("Label4"), rectFromTwips(4560, 2520, 1935, 2175), linksInstructionText());

    SSTab1->addControls(LinksTab, {Picture2, Frame1, Label2, Text1, Frame2, Label3, Label4});
}

void Form1::buildAboutTab()
{
    Picture1 = place<PictureBox>(SSTab1, QStringLiteral("Picture1"), rectFromTwips(0, 960, 2415, 2535));
    Picture1->setAccessibleName(QStringLiteral("Фото"));
    Label1 = placeLabel(SSTab1, QStringLiteral("Label1"), rectFromTwips(2520, 960, 4095, 3735), descriptionText());

    Command1 = place<PictureButton>(SSTab1, readmeButton, rectFromTwips(120, 3600, 1455, 975));
    Command1->setText(QStringLiteral("Прочитать файл readme.txt"));
    Command1->setPicture(artwork::icon(artwork::readmeImage), QSize(32, 32));
    QPalette tooltipColoured = Command1->palette();
    tooltipColoured.setColor(QPalette::Button, tooltipColoured.color(QPalette::ToolTipBase));
    Command1->setPalette(tooltipColoured);

    Command8 = place<PictureButton>(SSTab1, QStringLiteral("Command8"), rectFromTwips(1680, 3600, 735, 975));
    Command8->setPicture(artwork::icon(artwork::aboutButtonImage), QSize(32, 32));
    Command8->setAccessibleName(QStringLiteral("О программе"));

    SSTab1->addControls(AboutTab, {Picture1, Label1, Command1, Command8});
}

// The Tab key visits the controls in this order; the hidden ones (those of
// the other tabs) are passed over. Labels and frames never take the focus.
void Form1::buildFocusOrder()
{
    QList<QWidget*> order{SSTab1, Picture1, Picture2, Picture3, Picture4, Command1, Text1, Segm, Sag, Command2, Picture5};
    // Then the buttons that fill a tab, in the order of their tabs; the
    // About window's button takes the place of its tab.
    qsizetype next = 0;
    for (int tab = 0; tab < mainTabs().size(); ++tab) {
        if (tab == AboutTab)
            order << Command8;
        else if (!mainTabs()[tab].button.isEmpty())
            order << m_documentButtons[next++];
    }
    for (qsizetype index = 1; index < order.size(); ++index)
        setTabOrder(order[index - 1], order[index]);
}

} // namespace zornalit
