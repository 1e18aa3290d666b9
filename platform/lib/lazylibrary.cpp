#include "platform/lib/lazylibrary.h"

#include <dlfcn.h>

bool TLazyLibrary::Open() {
    for (const char* name : m_names) {
        // Kept open for the rest of the run: the functions found in it stay in use.
        m_handle = dlopen(name, RTLD_NOW | RTLD_LOCAL);
        if (m_handle) return true;
    }
    return false;
}

void* TLazyLibrary::Find(const char* name) const { return dlsym(m_handle, name); }
