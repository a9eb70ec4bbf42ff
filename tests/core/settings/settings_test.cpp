// The settings file and the data folders.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/file_output.hpp"
#include "settings/data_locations.hpp"
#include "settings/ini_text.hpp"
#include "settings/saved_inputs.hpp"
#include "support/utf8.hpp"

namespace tavrin {
namespace {

namespace fs = std::filesystem;

TEST(IniText, ReadsLikeThePrivateProfileFunctions) {
  const IniText ini(
      "; kept as it is\r\n[Other]\r\n设置_年=1\r\n[ tavrin ]\r\n  设置_年 = 94 "
      "\r\nKEY=first\r\nkey=second\r\n"
      "[Tavrin]\r\n设置_月=7\r\n");
  EXPECT_EQ(ini.Value("Tavrin", "设置_年"), "94");          // section names ignore ASCII case and blanks
  EXPECT_EQ(ini.Value("TAVRIN", "key"), "first");           // the first of two keys wins
  EXPECT_EQ(ini.Value("Tavrin", "设置_月"), std::nullopt);  // only the first section of a name counts
  EXPECT_EQ(ini.Value("Other", "设置_年"), "1");
  EXPECT_EQ(ini.Value("Missing", "设置_年"), std::nullopt);
  EXPECT_EQ(IniText("[A]\nk=v").Value("A", "k"), "v");  // LF line ends and no final line end
}

TEST(IniText, WritingOneValueKeepsEverythingElse) {
  IniText ini("; comment\r\n[Tavrin]\r\n设置_年=94\r\n\r\n[Velmaro]\r\n公告内容=x\r\n");
  ini.SetValue("Tavrin", "设置_年", "95");
  EXPECT_EQ(ini.Bytes(), "; comment\r\n[Tavrin]\r\n设置_年=95\r\n\r\n[Velmaro]\r\n公告内容=x\r\n");
  ini.SetValue("Tavrin", "设置_姓", "王");  // a new key ends its section
  EXPECT_EQ(ini.Bytes(),
            "; comment\r\n[Tavrin]\r\n设置_年=95\r\n设置_姓=王\r\n\r\n[Velmaro]\r\n公告内容=x\r\n");
  ini.SetValue("New", "k", "v");  // a new section ends the file
  EXPECT_EQ(ini.Bytes().substr(ini.Bytes().size() - 12), "[New]\r\nk=v\r\n");

  IniText unterminated("[Tavrin]\r\na=1");
  unterminated.SetValue("Tavrin", "b", "2");
  EXPECT_EQ(unterminated.Bytes(), "[Tavrin]\r\na=1\r\nb=2\r\n");
  IniText empty;
  empty.SetValue("Tavrin", "设置_名", "小明");
  EXPECT_EQ(empty.Bytes(), "[Tavrin]\r\n设置_名=小明\r\n");
}

TEST(SettingNumber, ReadsTheLeadingNumberTruncated) {
  struct Case {
    const char* text;
    int number;
  } cases[] = {{"94", 94}, {" 7", 7}, {"-1", -1}, {"2.9", 2}, {"12abc", 12}, {"abc", 0}, {"", 0}, {"+3", 3}};
  for (const Case& c : cases) EXPECT_EQ(SettingNumber(c.text), c.number) << c.text;
  EXPECT_EQ(ClampSelection(150, 101), 100);
  EXPECT_EQ(ClampSelection(-1, 101), -1);
  EXPECT_EQ(ClampSelection(0, 101), 0);
}

class SettingsFiles : public testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::temp_directory_path() / ("tavrin-settings-" + std::to_string(getpid()));
    fs::create_directories(root_);
  }
  void TearDown() override { fs::remove_all(root_); }
  std::string Path(const std::string& name) const { return (root_ / name).string(); }
  fs::path root_;
};

TEST_F(SettingsFiles, InputsDefaultToTodayAndSurviveARoundTrip) {
  const std::string path = Path("Harlunesoft.p");
  const DateTime now{2024, 3, 5, 14, 0, 0};
  const SavedInputs as_built;
  SavedInputs first = RestoreInputs(path, now, as_built);  // no file yet
  EXPECT_EQ(first.solar_year, 94);
  EXPECT_EQ(first.solar_month, 2);
  EXPECT_EQ(first.solar_day, 4);
  EXPECT_EQ(first.solar_hour, 14);
  EXPECT_EQ(first.lunar_year, 94);
  EXPECT_EQ(first.date_kind, 0);
  EXPECT_TRUE(first.male);
  EXPECT_EQ(first.surname, "");

  first.solar_day = -1;  // a combo without a selection
  first.date_kind = 1;
  first.surname = "欧阳";
  first.given = "小明";
  first.male = false;
  ASSERT_TRUE(SaveInputs(path, first));
  std::string bytes;
  ASSERT_TRUE(ReadWholeFile(path, bytes));
  EXPECT_EQ(
      bytes,
      "[Tavrin]\r\n设置_年=94\r\n设置_月=2\r\n设置_日=-1\r\n设置_时=14\r\n设置_日期类型=1\r\n设置_年2=94\r\n"
      "设置_姓=欧阳\r\n设置_名=小明\r\n设置_性别值=假\r\n");
  const SavedInputs again = RestoreInputs(path, {2030, 1, 1, 0, 0, 0}, as_built);
  EXPECT_EQ(again.solar_day, -1);
  EXPECT_EQ(again.date_kind, 1);
  EXPECT_EQ(again.surname, "欧阳");
  EXPECT_FALSE(again.male);
  // Outside 1930–2030 the year counts as 0, so the year combos start empty.
  EXPECT_LT(RestoreInputs(Path("none"), {2031, 1, 1, 0, 0, 0}, as_built).solar_year, 0);
}

TEST_F(SettingsFiles, OddValuesReadAsTheWindowExpects) {
  const std::string path = Path("odd.p");
  ASSERT_TRUE(
      ReplaceFile(path, "[Tavrin]\r\n设置_性别值=1\r\n设置_年=abc\r\n设置_年2=150\r\n设置_月=-3\r\n"));
  const SavedInputs inputs = RestoreInputs(path, {2024, 3, 5, 14, 0, 0}, SavedInputs());
  EXPECT_FALSE(inputs.male);
  EXPECT_EQ(ClampSelection(inputs.solar_year, 101), 0);
  EXPECT_EQ(ClampSelection(inputs.lunar_year, 101), 100);
  EXPECT_EQ(ClampSelection(inputs.solar_month, 12), -1);
}

TEST_F(SettingsFiles, DataLocationsPreferTheFixedRoot) {
  const std::string fixed = Path("Harlune") + "/", fallback = Path("cache/3d") + "/";
  const DataLocations locations = ResolveDataLocations(fixed, fallback, Path("Corvane.txt"));
  EXPECT_EQ(locations.data_root, fixed);
  EXPECT_EQ(locations.data_dir, fixed + "Tavrin/");
  EXPECT_EQ(locations.settings_path, fixed + "Harlunesoft.p");
  std::string notice, marker;
  ASSERT_TRUE(ReadWholeFile(fixed + test::Utf8(u8"用户注意.txt"), notice));
  EXPECT_EQ(notice, "本目录为数据保存目录,用户请勿手动修改或删除本目录下任何文件,以免相应的软件运行出错\r\n");
  ASSERT_TRUE(ReadWholeFile(locations.data_dir + "Tavrin.txt", marker));
  EXPECT_EQ(marker, "Tavrin");

  // An existing marker is left alone.
  ASSERT_TRUE(ReplaceFile(locations.data_dir + "Tavrin.txt", "kept"));
  ResolveDataLocations(fixed, fallback, Path("Corvane.txt"));
  ASSERT_TRUE(ReadWholeFile(locations.data_dir + "Tavrin.txt", marker));
  EXPECT_EQ(marker, "kept");
}

TEST_F(SettingsFiles, AnUnwritableFixedRootFallsBack) {
  ASSERT_TRUE(ReplaceFile(Path("plain-file"), ""));
  const std::string fixed = Path("plain-file") + "/Harlune/", fallback = Path("cache/3d") + "/";
  const DataLocations locations = ResolveDataLocations(fixed, fallback, Path("config/Corvane.txt"));
  EXPECT_EQ(locations.data_root, fallback);
  EXPECT_EQ(locations.data_dir, fallback + "Tavrin/");
  EXPECT_EQ(locations.settings_path, Path("config/Corvane.txt"));
  EXPECT_TRUE(fs::exists(locations.data_dir + "Tavrin.txt"));
}

}  // namespace
}  // namespace tavrin
