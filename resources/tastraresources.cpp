#include "resources/tastraresources.h"

#include <QtCore/qglobal.h>

// Q_INIT_RESOURCE must be used outside any namespace.
static void InitTastraResourcesImpl() {
    Q_INIT_RESOURCE(tastra_keys);
    Q_INIT_RESOURCE(tastra_strips);
    Q_INIT_RESOURCE(tastra_background);
}

void InitTastraResources() { InitTastraResourcesImpl(); }
