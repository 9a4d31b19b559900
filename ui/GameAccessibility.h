// Screen readers: the game's own controls described to them through Qt's accessibility.
#pragma once

// Makes the grid box a table of cells that say their letter, their colour and what they show, and
// each clue text a choice that a screen reader can press. Call before the window is shown; once is enough.
void InstallGameAccessibility();
