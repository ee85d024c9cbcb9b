// The path module on both spellings: each row is one path, read the POSIX
// way and the Windows way.
#include <gtest/gtest.h>

#include "core/path.h"

namespace core = tavilo::core;
using core::PathStyle;

namespace {

struct Parts {
  const char* path;
  const char* root;
  const char* folder;
  const char* name;
  const char* parent;
  const char* trimmed;  // withoutTrailingSeparators
};

void expectParts(const Parts& c, PathStyle style) {
  SCOPED_TRACE(std::string(style == PathStyle::Posix ? "posix: " : "windows: ") + c.path);
  EXPECT_EQ(core::pathRoot(c.path, style), c.root);
  EXPECT_EQ(core::pathFolder(c.path, style), c.folder);
  EXPECT_EQ(core::pathName(c.path, style), c.name);
  EXPECT_EQ(core::parentPath(c.path, style), c.parent);
  EXPECT_EQ(core::withoutTrailingSeparators(c.path, style), c.trimmed);
}

TEST(Path, PartsOfPosixSpellings) {
  const Parts cases[] = {
      {"/", "/", "/", "", "/", "/"},
      {"/a/b.txt", "/", "/a/", "b.txt", "/a/", "/a/b.txt"},
      {"/a/b//", "/", "/a/b//", "", "/a/", "/a/b"},
      {"a", "", "", "a", "", "a"},
      {"C:\\x\\y", "", "", "C:\\x\\y", "", "C:\\x\\y"},  // a plain name on POSIX
  };
  for (const Parts& c : cases) expectParts(c, PathStyle::Posix);
}

TEST(Path, PartsOfWindowsSpellings) {
  const Parts cases[] = {
      {"C:\\", "C:\\", "C:\\", "", "C:\\", "C:\\"},
      {"c:/", "c:/", "c:/", "", "c:/", "c:/"},
      {"C:", "C:", "C:", "", "C:", "C:"},
      {"C:name.txt", "C:", "C:", "name.txt", "C:", "C:name.txt"},
      {"C:\\a\\b.txt", "C:\\", "C:\\a\\", "b.txt", "C:\\a\\", "C:\\a\\b.txt"},
      {"C:\\a/b\\\\", "C:\\", "C:\\a/b\\\\", "", "C:\\a/", "C:\\a/b"},
      {"\\\\server\\share\\dir\\f", "\\\\server\\share\\", "\\\\server\\share\\dir\\", "f",
       "\\\\server\\share\\dir\\", "\\\\server\\share\\dir\\f"},
      {"\\\\server\\share\\", "\\\\server\\share\\", "\\\\server\\share\\", "", "\\\\server\\share\\",
       "\\\\server\\share\\"},
      {"\\\\server\\share", "\\\\server\\share", "\\\\server\\share", "", "\\\\server\\share",
       "\\\\server\\share"},
      {"\\top", "\\", "\\", "top", "\\", "\\top"},
      {"bilder\\shot1.jpg", "", "bilder\\", "shot1.jpg", "bilder\\", "bilder\\shot1.jpg"},
  };
  for (const Parts& c : cases) expectParts(c, PathStyle::Windows);
}

TEST(Path, JoiningAndSeparators) {
  EXPECT_EQ(core::joinPath("/a", "b", PathStyle::Posix), "/a/b");
  EXPECT_EQ(core::joinPath("/a/", "/b", PathStyle::Posix), "/b");
  EXPECT_EQ(core::joinPath("", "b", PathStyle::Posix), "b");
  EXPECT_EQ(core::joinPath("C:\\a", "b", PathStyle::Windows), "C:\\a\\b");
  EXPECT_EQ(core::joinPath("C:", "b", PathStyle::Windows), "C:b");
  EXPECT_EQ(core::joinPath("C:\\a", "D:\\b", PathStyle::Windows), "D:\\b");
  EXPECT_EQ(core::joinPath("C:\\a/", "\\b", PathStyle::Windows), "\\b");

  EXPECT_EQ(core::withTrailingSeparator("/a", PathStyle::Posix), "/a/");
  EXPECT_EQ(core::withTrailingSeparator("", PathStyle::Posix), "");
  EXPECT_EQ(core::withTrailingSeparator("a\\", PathStyle::Posix), "a\\/");
  EXPECT_EQ(core::withTrailingSeparator("C:/a/", PathStyle::Windows), "C:/a/");
  EXPECT_EQ(core::withTrailingSeparator("C:\\a", PathStyle::Windows), "C:\\a\\");

  EXPECT_EQ(core::collapseSeparators("//a///b/", PathStyle::Posix), "/a/b/");
  EXPECT_EQ(core::collapseSeparators("\\\\srv\\\\x//y", PathStyle::Windows), "\\\\srv\\x/y");

  EXPECT_EQ(core::pathExtension("/a.b/c", PathStyle::Posix), "");
  EXPECT_EQ(core::pathExtension("a\\b.TXT", PathStyle::Windows), ".TXT");
  EXPECT_TRUE(core::isRootPath("/", PathStyle::Posix));
  EXPECT_FALSE(core::isAbsolutePath("C:a", PathStyle::Windows));
  EXPECT_TRUE(core::isAbsolutePath("C:\\a", PathStyle::Windows));
}

TEST(Path, SameFileSystemNameComparesAsTheSystemDoes) {
  EXPECT_TRUE(core::samePath("/a/B/", "/a/B", PathStyle::Posix));
  EXPECT_FALSE(core::samePath("/a/B", "/a/b", PathStyle::Posix));
  EXPECT_TRUE(core::samePath("C:\\Programme\\", "c:/PROGRAMME", PathStyle::Windows));
  EXPECT_FALSE(core::samePath("C:\\a", "C:\\ab", PathStyle::Windows));
}

}  // namespace
