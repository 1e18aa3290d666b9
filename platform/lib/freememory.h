#pragma once

// Hands memory that the program has freed back to the system. The C library keeps freed blocks
// for reuse, and after start-up (files parsed, the soundfont read) that is megabytes the program
// will not ask for again. Cheap enough to call once after a burst of work.
void ReturnFreedMemory();
