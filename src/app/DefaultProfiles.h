// The application core's use of the profile store at start-up: open it, and remove the profiles that
// carry the default-profile name of any language (they are made again in the chosen language).
#pragma once

#include <string>
#include <vector>

// Hands the store its kernel, registry, key and localized default names.
void OpenProfileStore();
// Removes every stored profile whose name is one of `names`; returns how many were removed.
int RemoveDefaultProfiles(const std::vector<std::u16string>& names);
