#pragma once
// Every page, archive and settings file is replaced whole: the bytes go to a
// temporary file beside the target, which is then renamed over it, so a crash
// or a full disk never leaves half a file.
#include <string>
#include <string_view>

namespace tavrin {

// Paths are the file system's: UTF-8 on this platform. The system's own file
// names are GBK texts like everything else ("批量测名.htm"); this joins one to a
// directory (with or without a closing "/") in the file system's encoding.
std::string PathInDirectory(std::string_view directory, std::string_view gbk_file_name);

// Writes `bytes` as the whole content of `path`. Returns false when the file
// could not be written; the old content, if any, is then left as it was.
bool ReplaceFile(const std::string& path, std::string_view bytes);

// Replaces the file `gbk_file_name` in `directory` with `bytes` and returns its
// path. A page that cannot be written is not reported: the view then shows the
// old or missing file.
std::string WriteFileIn(std::string_view directory, std::string_view gbk_file_name, std::string_view bytes);

// Reads the whole content of `path` into `bytes`; false when it cannot be read.
bool ReadWholeFile(const std::string& path, std::string& bytes);

}  // namespace tavrin
