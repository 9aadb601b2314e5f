#pragma once

class QWidget;

namespace zornalit {

// The program's two windows look the same on every desktop: the classic
// look they were designed with, drawn by Qt's built-in "Windows" style with
// sunken borders on picture and text boxes, raised buttons and a raised tab
// page. Message boxes and menus keep the desktop's own style.
//
// Gives the look to window and to every control in it; call it once the
// controls exist.
void giveClassicLook(QWidget* window);

} // namespace zornalit
