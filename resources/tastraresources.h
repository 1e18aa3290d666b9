#pragma once

// Registers the compiled-in bitmaps (":/keys/...", ":/strips/...", ":/background/...").
// Linking tastra_resources already registers them at start-up; calling this again is harmless.
void InitTastraResources();
