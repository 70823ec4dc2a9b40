// Control ids of the WPS templates in WpsHardware.rc.
#pragma once

#include "WpsIds.h"
