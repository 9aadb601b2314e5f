#pragma once

#include "Coverage.h"
#include "DatabaseCheck.h"
#include "WordSearch.h"
#include "lookup/StepCodes.h"

#include <QByteArray>
#include <QString>

namespace zornalit::dbtool {

// What the commands print, as terminal text.

// The findings by kind, then the summary: lines, blocks, segments and the
// steps of each segment.
QString checkText(const CheckReport& report, const StepCodes& codes);

// For each segment, the block each of the 32 step codes leads to.
QString coverageText(const CoverageTable& table, const StepCodes& codes);

QString foundBlockText(const FoundBlock& block);

// A piece of a report in Windows-1251 with CR LF line ends, as terminal text.
// Every CR of a report belongs to a line end, so pieces convert one by one.
QString reportText(QByteArrayView report);

} // namespace zornalit::dbtool
