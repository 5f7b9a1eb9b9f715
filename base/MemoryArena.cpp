#include "base/MemoryArena.h"

#if __has_include(<malloc.h>)
#include <malloc.h>
#endif

// Where the C library has no such setting, its heaps are left as they are.
void UseOneMemoryArena()
{
#ifdef M_ARENA_MAX
    mallopt(M_ARENA_MAX, 1);
#endif
}
