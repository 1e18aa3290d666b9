#include "platform/midi/fluidapi.h"

const TFluidApi* FluidApi() {
    static TLazyLibrary library{kFluidLibraryName, "libfluidsynth.so"};
    static TFluidApi api;
    return api.Bind(library) ? &api : nullptr;
}
