#include "platform/midi/fluidapi.h"

const TFluidApi* FluidApi() { return LazyApi<TFluidApi>({kFluidLibraryName, "libfluidsynth.so"}); }
