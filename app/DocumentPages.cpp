#include "DocumentPages.h"

#include "ControlPlacement.h"
#include "Fonts.h"
#include "PictureButton.h"
#include "TabControl.h"
#include "Twips.h"
#include "reference/MainTabs.h"

namespace zornalit {

namespace {

// The object name of the button on each tab that shows a document.
struct ButtonName {
    MainTab tab;
    const char* name;
};

constexpr ButtonName buttonNames[] = {
    {EquipmentTab, "Command3"},
    {MicrotestsTab, "Command4"},
    {PulsePathTab, "Command5"},
    {RacksTab, "Command6"},
    {UskTab, "Command7"},
    {UtpTab, "Command9"},
};

QString buttonNameOf(int tab)
{
    for (const ButtonName& button : buttonNames) {
        if (button.tab == tab)
            return QString::fromLatin1(button.name);
    }
    return {};
}

} // namespace

QList<DocumentButton> buildDocumentPages(TabControl& tabs)
{
    const QFont captionFont = serifFont(12, {.bold = true});
    QList<DocumentButton> buttons;
    for (int tab = 0; tab < mainTabs().size(); ++tab) {
        const MainTabRow& row = mainTabs()[tab];
        if (row.document.isEmpty())
            continue;
        auto* page = new QWidget(&tabs);
        auto* button = place<PictureButton>(page, buttonNameOf(tab), rectFromTwips(120, 960, 6495, 3735));
        button->setText(row.buttonCaption);
        button->setFont(captionFont);
        tabs.setPage(tab, page);
        buttons << DocumentButton{tab, button};
    }
    return buttons;
}

} // namespace zornalit
