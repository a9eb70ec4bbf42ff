#include "app/file_output.hpp"

#include <gtest/gtest.h>

#include <filesystem>

namespace tavrin {
namespace {

namespace fs = std::filesystem;

class FileOutput : public testing::Test {
 protected:
  void SetUp() override {
    directory_ = fs::temp_directory_path() / ("tavrin-files-" + std::to_string(getpid()));
    fs::create_directories(directory_);
  }
  void TearDown() override { fs::remove_all(directory_); }
  std::string PathOf(const char* name) const { return (directory_ / name).string(); }
  fs::path directory_;
};

TEST_F(FileOutput, ReplacesTheWholeFileAndLeavesNothingBeside) {
  const std::string path = PathOf("page.htm");
  ASSERT_TRUE(ReplaceFile(path, "a much longer first version\r\n"));
  ASSERT_TRUE(ReplaceFile(path, std::string("\xC4\xEA\0x", 4)));
  std::string content;
  ASSERT_TRUE(ReadWholeFile(path, content));
  EXPECT_EQ(content, std::string("\xC4\xEA\0x", 4));
  EXPECT_EQ(std::distance(fs::directory_iterator(directory_), fs::directory_iterator()), 1);
  ASSERT_TRUE(ReplaceFile(path, ""));
  ASSERT_TRUE(ReadWholeFile(path, content));
  EXPECT_EQ(content, "");
}

TEST_F(FileOutput, AFailedWriteIsReportedAndChangesNothing) {
  EXPECT_FALSE(ReplaceFile(PathOf("missing-directory/page.htm"), "x"));
  std::string content = "unchanged";
  EXPECT_FALSE(ReadWholeFile(PathOf("absent.txt"), content));
  EXPECT_EQ(content, "unchanged");
  // A directory where the file should be: the rename fails, the directory stays.
  fs::create_directories(PathOf("taken"));
  EXPECT_FALSE(ReplaceFile(PathOf("taken"), "x"));
  EXPECT_TRUE(fs::is_directory(PathOf("taken")));
  EXPECT_EQ(std::distance(fs::directory_iterator(directory_), fs::directory_iterator()), 1);
}

}  // namespace
}  // namespace tavrin
