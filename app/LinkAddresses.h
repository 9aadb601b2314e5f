#pragma once

#include <QString>

namespace zornalit {

// The two web addresses the "Ссылки" tab shows and copies. These are samples
// under a reserved example domain; a deployment puts its own addresses here.
inline const QString siteAddress = QStringLiteral("http://example.org/kvant/");
inline const QString forumAddress = QStringLiteral("http://forum.example.org/");

} // namespace zornalit
