#pragma once
#include "settings/data_locations.hpp"

namespace tavrin::gui {

// The data folders on this desktop: the fixed root under the user's data
// folder ("Harlune/"), the fallback under the cache folder ("3d/"), and the
// fallback settings file in the configuration folder ("Corvane.txt").
DataLocations ResolvePlatformDataLocations();

}  // namespace tavrin::gui
