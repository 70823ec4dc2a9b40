// Control ids of the WPS templates in WpsError.rc.
#pragma once

#include "WpsIds.h"
