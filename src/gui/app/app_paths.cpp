#include "gui/app/app_paths.hpp"

#include <QStandardPaths>

namespace tavrin::gui {
namespace {

std::string Folder(QStandardPaths::StandardLocation location) {
  return QStandardPaths::writableLocation(location).toStdString() + "/";
}

}  // namespace

DataLocations ResolvePlatformDataLocations() {
  return ResolveDataLocations(Folder(QStandardPaths::GenericDataLocation) + "Harlune/",
                              Folder(QStandardPaths::GenericCacheLocation) + "3d/",
                              Folder(QStandardPaths::GenericConfigLocation) + "Corvane.txt");
}

}  // namespace tavrin::gui
