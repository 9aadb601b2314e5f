#pragma once

#include <QString>

namespace zornalit {

// The description of the program on the "О программе" tab, credits included;
// its line breaks are CR LF.
QString descriptionText();

// The instruction beside the web links on the "Ссылки" tab.
QString linksInstructionText();

} // namespace zornalit
