#include "Documents.h"

#include "lookup/ViewerLaunch.h"

#include <array>

namespace zornalit {

namespace {

struct DocumentRow {
    const char* button;
    int tab; // -1: the document has no tab of its own
    const char* fileName;
};

constexpr std::array<DocumentRow, 7> documentTable{{
    {"Command3", 1, "TipOb.txt"},
    {"Command4", 2, "MicroTest.txt"},
    {"Command5", 3, "Obr_IT.txt"},
    {"Command6", 4, "BG_VVK_YVP.txt"},
    {"Command7", 5, "YSK.txt"},
    {"Command9", 8, "YTP.txt"},
    {"Command1", -1, "Readme.txt"},
}};

} // namespace

std::optional<QString> documentOfTab(int tabIndex)
{
    for (const DocumentRow& row : documentTable) {
        if (row.tab >= 0 && row.tab == tabIndex)
            return QString::fromLatin1(row.fileName);
    }
    return std::nullopt;
}

QString documentOfButton(const QString& buttonName)
{
    for (const DocumentRow& row : documentTable) {
        if (buttonName == QLatin1String(row.button))
            return QString::fromLatin1(row.fileName);
    }
    return {};
}

bool openDocument(const Platform& platform, const QString& fileName)
{
    // A missing document is still handed to the editor: it says so itself.
    return openInViewer(platform, platform.folder.fileNamed(fileName));
}

} // namespace zornalit
