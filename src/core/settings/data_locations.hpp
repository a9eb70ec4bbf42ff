#pragma once
// Where the product keeps its files. A fixed data root is tried first (its
// notice file must be writable); otherwise a fallback root holds the data and
// the settings go to a file in the system's configuration folder.
#include <string>

namespace tavrin {

struct DataLocations {
  std::string data_root;      // holds the notice file and, normally, the settings
  std::string data_dir;       // data_root + "Tavrin/": every page and archive
  std::string settings_path;  // the INI file of the last inputs
};

// Directories end with "/"; every path is the file system's (UTF-8). Creates
// the directories, writes the notice file into the fixed root and the product
// marker into the data directory (only when it is missing). Failures are not
// reported: they show as the fallback, or as pages that cannot be written.
DataLocations ResolveDataLocations(const std::string& fixed_root, const std::string& fallback_root,
                                   const std::string& fallback_settings_path);

}  // namespace tavrin
