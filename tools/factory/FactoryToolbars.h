#pragma once
// The editor's own toolbar pictures: one row of 16 x 15 images a file, one image a button, in the
// order of the buttons of the windows that load them.

// Writes them below the working folder ("e_bmp\..."); 1, or 0 when a file cannot be written.
int WriteFactoryToolbars();
