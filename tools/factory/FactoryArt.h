#pragma once
// The factory project's pictures: the two program palettes and every sheet that the project
// loads, drawn so that a new author sees at a glance what each sheet and cell is for.

// Writes them below the working folder ("bmp\..."); 1, or 0 when a file cannot be written.
int WriteFactoryArt();
