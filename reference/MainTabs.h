#pragma once

#include <QList>
#include <QString>

namespace zornalit {

// The tabs of the main window, left to right.
enum MainTab : int {
    SegmentsTab = 0,
    EquipmentTab = 1,
    MicrotestsTab = 2,
    PulsePathTab = 3,
    RacksTab = 4,
    UskTab = 5,
    LinksTab = 6,
    AboutTab = 7,
    UtpTab = 8,
};

// One tab: its caption, and for a tab that shows a reference text, the
// caption of the button that fills the tab and the file that both the button
// and the selection of the tab open.
struct MainTabRow {
    QString caption;
    QString buttonCaption; // empty for a tab without a document
    QString document;      // a file of the program folder; empty for none
};

// Every tab, in the order of MainTab.
const QList<MainTabRow>& mainTabs();

// The read-me has a button of its own on the "О программе" tab; selecting
// that tab opens nothing.
inline const QString readmeDocument = QStringLiteral("Readme.txt");

} // namespace zornalit
