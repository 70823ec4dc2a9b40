// Control ids of the connect wizard pages in WizardSecurity.rc.
#pragma once

#include "WizardFrameIds.h"
