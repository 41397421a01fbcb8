#include "FontConfigurationPreload.h"

#include <fontconfig/fontconfig.h>

FontConfigurationPreload::FontConfigurationPreload()
    : reading([] { FcInit(); }) {}

void FontConfigurationPreload::finish() {
    if (reading.joinable())
        reading.join();
}
