// Control ids of the WPS templates in WpsPushButton.rc.
#pragma once

#include "WpsIds.h"
