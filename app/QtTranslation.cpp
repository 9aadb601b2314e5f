#include "QtTranslation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <cstdio>

namespace zornalit {

bool loadQtCatalogue(QTranslator& translator, const QString& folder)
{
    return translator.load(qtCatalogueName, folder);
}

void installQtCatalogue(QTranslator& translator)
{
    if (!loadQtCatalogue(translator, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        std::fputs(qtCatalogueMissingMessage, stderr);
        std::fputc('\n', stderr);
        return;
    }
    QCoreApplication::installTranslator(&translator);
}

} // namespace zornalit
