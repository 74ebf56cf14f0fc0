#pragma once
// The factory project's data files: every document of a new project with its defaults, saved as
// the editor saves them, in default\ (the copy that start-up offers when a project has no data\).

// Writes them below the working folder; 1, or 0 when a file cannot be written.
int WriteFactoryData();
