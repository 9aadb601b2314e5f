#pragma once

#include <QString>

class QTranslator;

namespace zornalit {

// Qt's own words (the text boxes' context menu, the buttons of its dialogs)
// are translated by Qt's Russian catalogue, which ships apart from Qt.
inline const QString qtCatalogueName = QStringLiteral("qtbase_ru");

// Told once on the error output when the catalogue cannot be loaded; the
// program goes on with Qt's English words.
inline constexpr const char* qtCatalogueMissingMessage =
    "Зорналит: перевод Qt на русский язык (qtbase_ru.qm) не найден, стандартные меню будут на английском.";

// Loads the catalogue from folder into translator. False when it is missing
// or unreadable.
bool loadQtCatalogue(QTranslator& translator, const QString& folder);

// Loads the catalogue from Qt's translations folder and installs it for the
// whole program, or tells on the error output why Qt's words stay English.
// The translator must outlive every window.
void installQtCatalogue(QTranslator& translator);

} // namespace zornalit
