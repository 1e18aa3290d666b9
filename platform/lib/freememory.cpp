#include "platform/lib/freememory.h"

#include <malloc.h>

void ReturnFreedMemory() {
#ifdef __GLIBC__
    malloc_trim(0);
#endif
}
