#pragma once
// Puts the element editors into the stage editor window (and, through it, the palette windows and
// the project options): the block, character and item data sheets it opens and the character group
// window it keeps.

void InstallElementEditors();
