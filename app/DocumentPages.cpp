#include "DocumentPages.h"

#include "ControlPlacement.h"
#include "Fonts.h"
#include "PictureButton.h"
#include "TabControl.h"
#include "Twips.h"
#include "reference/MainTabs.h"

namespace zornalit {

QList<PictureButton*> buildDocumentPages(TabControl& tabs)
{
    const QFont captionFont = serifFont(12, {.bold = true});
    QList<PictureButton*> buttons;
    for (int tab = 0; tab < mainTabs().size(); ++tab) {
        const MainTabRow& row = mainTabs()[tab];
        if (row.button.isEmpty())
            continue;
        auto* button = place<PictureButton>(&tabs, row.button, rectFromTwips(120, 960, 6495, 3735));
        button->setText(row.buttonCaption);
        button->setFont(captionFont);
        tabs.addControl(tab, button);
        buttons << button;
    }
    return buttons;
}

} // namespace zornalit
