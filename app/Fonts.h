#pragma once

#include <QFont>
#include <QList>
#include <QString>

namespace zornalit {

// The two typefaces the windows were designed with. Where they are missing
// (any Linux desktop), stand-ins take their place: Liberation Serif has the
// widths of Times New Roman. MS Sans Serif, a compact bitmap face, is
// stood in for by Liberation Sans Narrow: with it every caption, label and
// initial text fits its control and the labels break their lines where
// their runs of spaces push them. A face as wide as Arial cuts the last of
// the twenty-five "@" of the free text box; faces with more line spacing
// push the description below its label.
inline const QString sansSerifFamily = QStringLiteral("MS Sans Serif");
inline const QString serifFamily = QStringLiteral("Times New Roman");

// Registers the stand-ins with Qt's font matching. Safe to call again.
void installFontSubstitutes();

// The font of every control that has none of its own: 8.25 pt regular.
QFont controlFont();

struct FontStyle {
    bool bold = false;
    bool italic = false;
    bool underline = false;
};

QFont serifFont(qreal pointSize, FontStyle style);

// The lookup line's large serif: bold for "СЕГМ" and the two boxes,
// regular for the dots between them.
QFont lookupFont();
QFont lookupDotFont();

// The faces the lookup's text boxes lay out their text with as they are
// made: the program's default font, the controls' font they inherit, and
// their own.
QList<QFont> textBoxFonts();

// Loads those faces into the calling thread's font cache, so that building
// the window finds them ready; the first face loaded also reads the
// system's font configuration, the slowest step of all. What only painting
// needs (the faces for Cyrillic text) is left to the first paint.
void loadTextBoxFonts();

} // namespace zornalit
