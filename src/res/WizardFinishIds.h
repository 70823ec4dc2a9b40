// Control ids of the connect wizard pages in WizardFinish.rc.
#pragma once

#include "WizardFrameIds.h"
