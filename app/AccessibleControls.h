#pragma once

namespace zornalit {

// Tells screen readers what our own controls are: the two windows are
// windows, the tab control is a list of page tabs (one per tab, named by its
// caption, the selected one marked), and a picture box is an image. Qt
// would describe them all as plain panels. Call once, before the first
// window is built; later calls do nothing.
void installAccessibleControls();

} // namespace zornalit
