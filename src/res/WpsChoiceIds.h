// Control ids of the WPS templates in WpsChoice.rc.
#pragma once

#include "WpsIds.h"
