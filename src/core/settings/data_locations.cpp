#include "settings/data_locations.hpp"

#include <filesystem>
#include <system_error>

#include "app/file_output.hpp"
#include "app/product.hpp"

namespace tavrin {
namespace {

void CreateDirectories(const std::string& directory) {
  std::error_code ignored;
  std::filesystem::create_directories(directory, ignored);
}

// The notice that tells a person browsing the folder to leave it alone; its
// successful write is what proves the fixed root usable.
bool WriteNotice(const std::string& root) {
  CreateDirectories(root);
  return ReplaceFile(
      PathInDirectory(root, "用户注意.txt"),
      "本目录为数据保存目录,用户请勿手动修改或删除本目录下任何文件,以免相应的软件运行出错\r\n");
}

}  // namespace

DataLocations ResolveDataLocations(const std::string& fixed_root, const std::string& fallback_root,
                                   const std::string& fallback_settings_path) {
  DataLocations locations;
  if (WriteNotice(fixed_root)) {
    locations.data_root = fixed_root;
    locations.settings_path = PathInDirectory(fixed_root, "Harlunesoft.p");
  } else {
    CreateDirectories(fallback_root);
    CreateDirectories(std::filesystem::path(fallback_settings_path).parent_path().string());
    locations.data_root = fallback_root;
    locations.settings_path = fallback_settings_path;
  }
  locations.data_dir = locations.data_root + std::string(ProductName) + "/";
  const std::string marker = locations.data_dir + std::string(ProductName) + ".txt";
  std::error_code ignored;
  if (!std::filesystem::exists(marker, ignored)) {
    CreateDirectories(locations.data_dir);
    ReplaceFile(marker, ProductName);
  }
  return locations;
}

}  // namespace tavrin
