#pragma once

#include <QString>

namespace zornalit {

// The fault database the lookup reads and the report it writes, both in the
// program folder.
inline const QString faultDatabaseFileName = QStringLiteral("SEGM_WIN_ALL.txt");
inline const QString faultReportFileName = QStringLiteral("SegmInfo.txt");

} // namespace zornalit
