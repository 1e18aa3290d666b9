#pragma once

// Added to numbers where they are shown and subtracted from typed ones: 0 or 1 each, 1 by
// default. The main window owns them; the settings window changes them and whoever shows a
// number reads them.
struct TDisplayOffsets {
    int channel = 1;
    int program = 1;
    int bank = 1;
    int controller = 1;
};
