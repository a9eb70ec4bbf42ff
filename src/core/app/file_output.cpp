#include "app/file_output.hpp"

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "text/encoding.hpp"

namespace tavrin {

std::string PathInDirectory(std::string_view directory, std::string_view gbk_file_name) {
  std::string path(directory);
  if (!path.empty() && path.back() != '/') path += '/';
  const ConversionResult name = GbkToUtf8(gbk_file_name);
  return path + (name.ok() ? name.text : std::string(gbk_file_name));
}

bool ReplaceFile(const std::string& path, std::string_view bytes) {
  // A name of our own beside the target (same directory, so the rename cannot
  // cross file systems), created with the user's usual permissions.
  static std::atomic<unsigned> counter = 0;
  std::string temporary;
  int descriptor = -1;
  for (int attempt = 0; descriptor < 0 && attempt < 100; ++attempt) {
    temporary = path + ".tmp-" + std::to_string(getpid()) + "-" + std::to_string(counter++);
    descriptor = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (descriptor < 0 && errno != EEXIST) return false;
  }
  if (descriptor < 0) return false;
  bool written = true;
  for (std::size_t done = 0; written && done < bytes.size();) {
    const ssize_t count = write(descriptor, bytes.data() + done, bytes.size() - done);
    if (count < 0) {
      written = false;
    } else {
      done += static_cast<std::size_t>(count);
    }
  }
  written = fsync(descriptor) == 0 && written;
  written = close(descriptor) == 0 && written;
  if (!written || std::rename(temporary.c_str(), path.c_str()) != 0) {
    std::remove(temporary.c_str());
    return false;
  }
  return true;
}

std::string WriteFileIn(std::string_view directory, std::string_view gbk_file_name, std::string_view bytes) {
  std::string path = PathInDirectory(directory, gbk_file_name);
  ReplaceFile(path, bytes);
  return path;
}

bool ReadWholeFile(const std::string& path, std::string& bytes) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return false;
  std::ostringstream content;
  content << file.rdbuf();
  if (file.bad()) return false;
  bytes = content.str();
  return true;
}

}  // namespace tavrin
