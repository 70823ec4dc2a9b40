// Control ids of the WPS templates in WpsPin.rc.
#pragma once

#include "WpsIds.h"
