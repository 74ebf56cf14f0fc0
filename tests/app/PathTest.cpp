#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>

#include "app/DataFile.h"
#include "app/PathUtil.h"
#include "tests/support/TestSupport.h"

TEST(Path, FileNameAndFolder) {
  struct Row {
    const char* path;
    const char* name;
    const char* folder;
  } rows[] = {
      {"bmp\\a.bmp", "a.bmp", "bmp\\"},
      {"a.bmp", "a.bmp", ""},
      {"\\a", "a", "\\"},
      {"bmp\\ソ", "ソ", "bmp\\"},  // ends in a trail byte 5C
      {"表\\ソ\\x", "x", "表\\ソ\\"},
  };
  for (const Row& row : rows) {
    char buffer[kMaxPath];
    std::strcpy(buffer, row.path);
    FileNameOfPath(buffer);
    EXPECT_STREQ(buffer, row.name) << row.path;
    std::strcpy(buffer, row.path);
    RemoveFileName(buffer);
    EXPECT_STREQ(buffer, row.folder) << row.path;
    cString s(row.path);
    RemoveFileName(s);
    EXPECT_EQ(s, row.folder);
  }
}

TEST(Path, Extensions) {
  char out[kMaxPath];
  EXPECT_EQ(ChangeExtension(out, "bgm\\a.ogg", "mid"), 1);
  EXPECT_STREQ(out, "bgm\\a.mid");
  EXPECT_EQ(ChangeExtension(out, "bgm\\a", "mid"), 0);
  EXPECT_STREQ(out, "bgm\\a");
  EXPECT_EQ(ChangeExtension(out, "a.ogg", nullptr), 1);
  EXPECT_STREQ(out, "a");
  EXPECT_EQ(ChangeExtension(out, "my.folder\\name", "x"), 0) << "a dot in a folder is no extension";

  cString s("a.b.c");
  EXPECT_EQ(RemoveExtension(s), 1);
  EXPECT_EQ(s, "a.b");
  cString none("dir.d\\file");
  EXPECT_EQ(RemoveExtension(none), 0);
  EXPECT_EQ(none, "dir.d\\file");

  char ext[kMaxPath] = "keep";
  EXPECT_EQ(GetExtension(ext, "name."), 1);
  EXPECT_STREQ(ext, "");
  std::strcpy(ext, "keep");
  EXPECT_EQ(GetExtension(ext, "noext"), 0);
  EXPECT_STREQ(ext, "keep");

  EXPECT_EQ(HasExtension("a.bmp", "bmp"), 1);
  EXPECT_EQ(HasExtension("a.BMP", "bmp"), 0);
  EXPECT_EQ(HasExtension("ソ.mid", "mid"), 1);
}

TEST(Path, LongResultsAreRefusedNotOverrun) {
  std::string longName(300, 'a');
  longName += ".ogg";
  char out[kMaxPath];
  EXPECT_EQ(ChangeExtension(out, longName.c_str(), "mid"), 0);
  EXPECT_EQ(std::strlen(out), 259u);
}

TEST(Path, FolderFunctions) {
  cScratchFolder folder;
  EXPECT_EQ(MakeDirectory("data\\"), 1);
  EXPECT_EQ(MakeDirectory("data"), 1);
  EXPECT_EQ(DirectoryExists("data"), 1);
  WriteFileBytes("data\\ソ.plt4", Hex("00"));
  WriteFileBytes("data\\b.plt4", Hex("00"));
  WriteFileBytes("data\\c.dat", Hex("00"));
  EXPECT_EQ(FileExists("data\\ソ.plt4"), 1);
  EXPECT_EQ(FileExists("data"), 0);
  cVector<cString> files;
  EXPECT_EQ(FindFiles(files, "data", "plt4"), 1);
  std::sort(files.begin(), files.end());
  ASSERT_EQ(files.size(), 2u);
  EXPECT_EQ(files[0], "data\\b.plt4");
  EXPECT_EQ(files[1], "data\\ソ.plt4");
  cVector<cString> none;
  EXPECT_EQ(FindFiles(none, "data", "zzz"), 0);
  EXPECT_EQ(FindFiles(none, "nowhere", "plt4"), 0);
  EXPECT_EQ(DeletePath("data\\c.dat"), 1);
  EXPECT_EQ(PathExists("data\\c.dat"), 0);
}

TEST(Path, AssignRelativePath) {
  cScratchFolder folder;
  cString target = "kept";
  std::string inside = (std::filesystem::current_path() / "data" / "stg4" / "a.stg4_771").string();
  EXPECT_EQ(AssignRelativePath(target, inside.c_str()), 1);
  EXPECT_EQ(target, ".\\data\\stg4\\a.stg4_771");
  EXPECT_EQ(AssignRelativePath(target, "bmp\\背景.bmp"), 1);
  EXPECT_EQ(target, "bmp\\背景.bmp");
  target = "kept";
#ifdef _WIN32
  const char* elsewhere = "Q:\\elsewhere\\a.bmp";  // another drive
#else
  const char* elsewhere = "/elsewhere/a.bmp";
#endif
  EXPECT_EQ(AssignRelativePath(target, elsewhere), 0);
  EXPECT_EQ(AssignRelativePath(target, ""), 0);
  EXPECT_EQ(AssignRelativePath(target, nullptr), 0);
  EXPECT_EQ(target, "kept");
}
