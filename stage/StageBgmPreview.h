#pragma once
// "再生" of the stage settings page: the BGM of a row of its combo box, through the preview that
// the database's BGM page plays. Kept apart from the settings rules, whose field tables share
// names with the database page rules.

// Row 0 ("なし") and rows past the BGM table play nothing (1); 0 after the box of a failed play.
int PreviewStageBgm(int row);
