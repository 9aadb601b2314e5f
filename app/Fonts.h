#pragma once

#include <QFont>
#include <QString>

namespace zornalit {

// The two typefaces the windows were designed with. Where they are missing
// (any Linux desktop), the metric-compatible Liberation faces stand in, so
// every caption keeps its width and breaks its lines where it did.
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

} // namespace zornalit
