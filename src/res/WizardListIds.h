// Control ids of the connect wizard pages in WizardList.rc.
#pragma once

#include "WizardFrameIds.h"
