// filestat_test.cpp - FileStat: path parts, normalization, file kinds and
// the lexical absolute form, also beyond 260 characters.
#include "filestat.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string currentDirectory() {
  char buf[PATH_MAX];
  return getcwd(buf, sizeof buf) ? std::string(buf) : std::string();
}

TEST(FileStatTest, PartsOfAPath) {
  FileStat f("src/sub/prog.old.s");
  EXPECT_EQ(f.path(), "src/sub/");
  EXPECT_EQ(f.fileName(), "prog.old.s");
  EXPECT_EQ(f.completeBaseName(), "prog.old");
  EXPECT_EQ(f.filePath(), "src/sub/prog.old.s");

  FileStat bare("prog");
  EXPECT_EQ(bare.path(), "");
  EXPECT_EQ(bare.fileName(), "prog");
  EXPECT_EQ(bare.completeBaseName(), "prog");

  EXPECT_EQ(FileStat(".hidden").completeBaseName(), "");
  EXPECT_EQ(FileStat("out/x.o").path(), "out/");
  EXPECT_EQ(FileStat("a.b.s").completeBaseName(), "a.b");
  EXPECT_EQ(FileStat("dir.d/file").completeBaseName(), "file");
  EXPECT_EQ(FileStat("dir/").fileName(), "");
  EXPECT_EQ(FileStat("/x").path(), "/");
  EXPECT_EQ(FileStat::separator(), '/');
}

TEST(FileStatTest, EmptyPath) {
  FileStat e;
  EXPECT_TRUE(e.isEmpty());
  EXPECT_FALSE(e.isReg());
  EXPECT_FALSE(e.isDir());
  EXPECT_FALSE(e.isExists());
  EXPECT_EQ(e.path(), "");
  EXPECT_EQ(e.completeBaseName(), "");
  EXPECT_FALSE(FileStat("").isExistsAndReg());
  EXPECT_FALSE(FileStat("x").isEmpty());
}

TEST(FileStatTest, BackslashesBecomeSlashes) {
  FileStat back("src\\sub\\a.s");
  EXPECT_EQ(back, FileStat("src/sub/a.s"));
  EXPECT_EQ(back.filePath(), "src/sub/a.s");
  EXPECT_EQ(back.path(), "src/sub/");
  FileStat g;
  g = "x\\y.o";
  EXPECT_EQ(g.filePath(), "x/y.o");
  EXPECT_NE(g, FileStat("x/z.o"));
  // Nothing else is rewritten.
  EXPECT_EQ(FileStat("a//./../B").filePath(), "a//./../B");
}

class FileStatFsTest : public ::testing::Test {
protected:
  void SetUp() override {
    char pattern[] = "/tmp/zv-filestat-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    dir = pattern;
    savedCwd = currentDirectory();
  }
  void TearDown() override {
    if (!savedCwd.empty()) {
      EXPECT_EQ(chdir(savedCwd.c_str()), 0);
    }
    std::error_code ignored;
    std::filesystem::remove_all(dir, ignored);
  }

  std::string dir;
  std::string savedCwd;
};

TEST_F(FileStatFsTest, KindsOfFiles) {
  std::string file = dir + "/f.s";
  std::ofstream(file) << "x\n";
  EXPECT_TRUE(FileStat(file).isExists());
  EXPECT_TRUE(FileStat(file).isReg());
  EXPECT_FALSE(FileStat(file).isDir());
  EXPECT_TRUE(FileStat(file).isExistsAndReg());
  EXPECT_TRUE(FileStat(dir).isDir());
  EXPECT_FALSE(FileStat(dir).isReg());
  EXPECT_TRUE(FileStat(dir).isExists());
  FileStat missing(dir + "/nothing");
  EXPECT_FALSE(missing.isExists());
  EXPECT_FALSE(missing.isReg());
  EXPECT_FALSE(missing.isDir());
  // A backslash spelling reaches the same file.
  std::string back = file;
  back[back.rfind('/')] = '\\';
  EXPECT_TRUE(FileStat(back).isReg());
}

TEST_F(FileStatFsTest, SameFileByIdentityNotSpelling) {
  ASSERT_EQ(chdir(dir.c_str()), 0);
  std::ofstream("p.s") << "x\n";
  std::ofstream("q.s") << "x\n";
  ASSERT_EQ(mkdir("sub", 0755), 0);
  ASSERT_EQ(symlink("p.s", "link.s"), 0);
  EXPECT_TRUE(FileStat("p.s").isSameFile(FileStat("./p.s")));
  EXPECT_TRUE(FileStat("p.s").isSameFile(FileStat("sub/../p.s")));
  EXPECT_TRUE(FileStat("link.s").isSameFile(FileStat("p.s")));
  EXPECT_TRUE(FileStat("p.s").isSameFile(FileStat(dir + "/p.s")));
  EXPECT_FALSE(FileStat("p.s").isSameFile(FileStat("q.s")));
  // Neither exists: the resolved directories and the names decide.
  EXPECT_TRUE(FileStat("new.o").isSameFile(FileStat("sub/../new.o")));
  EXPECT_FALSE(FileStat("new.o").isSameFile(FileStat("sub/new.o")));
  // One exists, the other not: never the same.
  EXPECT_FALSE(FileStat("p.s").isSameFile(FileStat("new.o")));
  EXPECT_FALSE(FileStat("").isSameFile(FileStat("")));
}

TEST_F(FileStatFsTest, MakeAbsoluteIsLexical) {
  ASSERT_EQ(chdir(dir.c_str()), 0);
  std::string cwd = currentDirectory();
  FileStat a("a/./b/../c.s");
  ASSERT_TRUE(a.makeAbsolute());
  EXPECT_EQ(a.filePath(), cwd + "/a/c.s");

  FileStat b("/x/../y//z/.");
  ASSERT_TRUE(b.makeAbsolute());
  EXPECT_EQ(b.filePath(), "/y/z");

  FileStat root("/../..");
  ASSERT_TRUE(root.makeAbsolute());
  EXPECT_EQ(root.filePath(), "/");

  FileStat trailing("sub\\dir/");
  ASSERT_TRUE(trailing.makeAbsolute());
  EXPECT_EQ(trailing.filePath(), cwd + "/sub/dir/");

  FileStat dot(".");
  ASSERT_TRUE(dot.makeAbsolute());
  EXPECT_EQ(dot.filePath(), cwd);

  FileStat empty;
  EXPECT_FALSE(empty.makeAbsolute());
  EXPECT_TRUE(empty.isEmpty());

  // Links are not followed: link/.. is the working directory itself.
  ASSERT_EQ(mkdir((dir + "/real").c_str(), 0700), 0);
  ASSERT_EQ(mkdir((dir + "/real/inner").c_str(), 0700), 0);
  ASSERT_EQ(symlink("real/inner", (dir + "/link").c_str()), 0);
  FileStat link("link/../f");
  ASSERT_TRUE(link.makeAbsolute());
  EXPECT_EQ(link.filePath(), cwd + "/f");
}

TEST_F(FileStatFsTest, MakeAbsoluteBeyond260Characters) {
  std::string component(50, 'd');
  std::string rel;
  for (int i = 0; i < 6; ++i)
    rel += component + std::to_string(i) + "/";
  rel += "file.s";
  ASSERT_GT(rel.size(), 300u);
  FileStat longRel(rel);
  ASSERT_TRUE(longRel.makeAbsolute());
  EXPECT_EQ(longRel.filePath(), currentDirectory() + "/" + rel);

  // A working directory deeper than 260 characters.
  std::string deep = dir;
  for (int i = 0; i < 6; ++i) {
    deep += "/" + component + std::to_string(i);
    ASSERT_EQ(mkdir(deep.c_str(), 0700), 0);
  }
  ASSERT_EQ(chdir(deep.c_str()), 0);
  FileStat inDeep("x.o");
  ASSERT_TRUE(inDeep.makeAbsolute());
  EXPECT_EQ(inDeep.filePath(), deep + "/x.o");
  EXPECT_GT(inDeep.filePath().size(), 260u);

  // The platform's own limit still holds, and a failure changes nothing.
  std::string tooLong;
  while (tooLong.size() < PATH_MAX)
    tooLong += component + "/";
  FileStat huge(tooLong + "f");
  EXPECT_FALSE(huge.makeAbsolute());
  EXPECT_EQ(huge.filePath(), tooLong + "f");
  // Long only before the dot-dot folding: the result decides.
  std::string folds;
  while (folds.size() < PATH_MAX)
    folds += component + "/../";
  FileStat folded("/" + folds + "f");
  ASSERT_TRUE(folded.makeAbsolute());
  EXPECT_EQ(folded.filePath(), "/f");
}

} // namespace
