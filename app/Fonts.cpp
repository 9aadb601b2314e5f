#include "Fonts.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QStringList>

namespace zornalit {

void installFontSubstitutes()
{
    const QStringList sansStandIns{QStringLiteral("Liberation Sans Narrow"), QStringLiteral("Arial Narrow")};
    const QStringList serifStandIns{QStringLiteral("Liberation Serif"), QStringLiteral("Times")};
    if (QFont::substitutes(sansSerifFamily).isEmpty())
        QFont::insertSubstitutions(sansSerifFamily, sansStandIns);
    if (QFont::substitutes(serifFamily).isEmpty())
        QFont::insertSubstitutions(serifFamily, serifStandIns);
}

QFont controlFont()
{
    QFont font(sansSerifFamily);
    font.setPointSizeF(8.25);
    return font;
}

QFont serifFont(qreal pointSize, FontStyle style)
{
    QFont font(serifFamily);
    font.setPointSizeF(pointSize);
    font.setBold(style.bold);
    font.setItalic(style.italic);
    font.setUnderline(style.underline);
    return font;
}

QFont lookupFont()
{
    return serifFont(36, {.bold = true});
}

QFont lookupDotFont()
{
    return serifFont(36, {});
}

QList<QFont> textBoxFonts()
{
    // A box first lays out its empty text in the program's default font,
    // before it takes its own.
    return {QGuiApplication::font(), controlFont(), lookupFont()};
}

void loadTextBoxFonts()
{
    // An empty box measures the line height of its font: the face for text
    // of no particular script.
    for (const QFont& font : textBoxFonts())
        QFontMetrics(font).height();
}

} // namespace zornalit
