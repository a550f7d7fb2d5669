// Files and settings under Wine: whole reads and writes with their sharing rules, a save that fails
// part-way leaving the old document whole, the current directory and the settings file.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "runtime/files.h"
#include "runtime/gbk_wide.h"
#include "tests/windows/scratch_folder.h"

namespace tessavia {
namespace {

using testing::FileContent;
using testing::PutFile;
using testing::ScratchFolder;

std::string Bytes(const OwnedByteSet& set) {
  if (!set) return "<null>";
  return std::string(reinterpret_cast<const char*>(ByteSetData(set.get())), static_cast<size_t>(set->length));
}

OwnedByteSet Set(const std::string& bytes) {
  return OwnedByteSet(MakeByteSet(bytes.data(), static_cast<int32_t>(bytes.size())));
}

HANDLE OpenWide(const std::string& path, DWORD access, DWORD share) {
  return CreateFileW(GbkToWide(path).c_str(), access, share, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                     nullptr);
}

class FilesTest : public ::testing::Test {
 protected:
  ScratchFolder folder_;
};

TEST_F(FilesTest, ReadFileBytesGivesTheWholeFileOrNull) {
  const std::string doc = folder_ / "繁體文件.txt";
  ASSERT_TRUE(PutFile(doc, std::string("\xB7\xB1\0w\r\n", 5)));  // raw bytes, a zero among them
  EXPECT_EQ(Bytes(OwnedByteSet(ReadFileBytes(doc.c_str()))), std::string("\xB7\xB1\0w\r\n", 5));

  ASSERT_TRUE(PutFile(folder_ / "empty.txt", ""));
  for (const std::string& path :
       {std::string(), folder_ / "missing.txt", folder_ / "empty.txt", folder_.Path()}) {
    SCOPED_TRACE(path);
    EXPECT_EQ(ReadFileBytes(path.c_str()), nullptr);
  }
}

TEST_F(FilesTest, ReadFileBytesSharesWithReadersButNotWithWriters) {
  const std::string doc = folder_ / "doc.txt";
  ASSERT_TRUE(PutFile(doc, "abc"));
  HANDLE reader = OpenWide(doc, GENERIC_READ, FILE_SHARE_READ);
  EXPECT_EQ(Bytes(OwnedByteSet(ReadFileBytes(doc.c_str()))), "abc");
  CloseHandle(reader);
  HANDLE writer = OpenWide(doc, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE);
  ASSERT_NE(writer, INVALID_HANDLE_VALUE);
  EXPECT_EQ(ReadFileBytes(doc.c_str()), nullptr);
  CloseHandle(writer);
}

TEST_F(FilesTest, ReadFileBytesRefusesFilesOf2GiBAndMore) {
  // Sparse files: the sizes are real, the disk space is not needed. 4 GiB + 3 bytes would read as a
  // 3-byte file if the length were cut to 32 bits.
  for (LONGLONG size : {0x80000000LL, 0x100000003LL}) {
    SCOPED_TRACE(size);
    const std::string big = folder_ / "big.bin";
    HANDLE file = CreateFileW(GbkToWide(big).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    LARGE_INTEGER end;
    end.QuadPart = size;
    ASSERT_TRUE(SetFilePointerEx(file, end, nullptr, FILE_BEGIN) && SetEndOfFile(file));
    CloseHandle(file);
    EXPECT_EQ(ReadFileBytes(big.c_str()), nullptr);
  }
}

TEST_F(FilesTest, WriteFileBytesLeavesExactlyTheNewBytes) {
  const std::string doc = folder_ / "简体.txt";
  ASSERT_TRUE(PutFile(doc, "an old and much longer content"));
  OwnedByteSet first = Set("国\r\n"), second = Set("发");
  EXPECT_EQ(WriteFileBytes(doc.c_str(), first.get(), second.get()), 1);
  EXPECT_EQ(FileContent(doc), "国\r\n发");

  // An empty byte set, and one whose length is not positive, write nothing.
  ByteSetHeader negative{1, -4};
  EXPECT_EQ(WriteFileBytes(doc.c_str(), &EmptyByteSet, &negative), 1);
  EXPECT_EQ(FileContent(doc), "");
  EXPECT_EQ(WriteFileBytes((folder_ / "new.txt").c_str(), first.get()), 1);
  EXPECT_EQ(FileContent(folder_ / "new.txt"), "国\r\n");
  EXPECT_EQ(folder_.Names(), (std::vector<std::string>{"new.txt", "简体.txt"}));  // nothing else left behind
}

TEST_F(FilesTest, WriteFileBytesRefusesWithoutTouchingAnything) {
  const std::string doc = folder_ / "doc.txt";
  ASSERT_TRUE(PutFile(doc, "old"));
  OwnedByteSet bytes = Set("new");
  struct Case {
    const char* name;
    std::string path;
    DWORD attributes;  // set on doc before the write, when not 0
  } cases[] = {
      {"empty path", "", 0},
      {"missing folder", folder_ / "没有\\doc.txt", 0},
      {"invalid name", folder_ / "a?b.txt", 0},
      {"a folder", folder_.Path(), 0},
      {"read-only", doc, FILE_ATTRIBUTE_READONLY},
      {"hidden", doc, FILE_ATTRIBUTE_HIDDEN},
      {"system", doc, FILE_ATTRIBUTE_SYSTEM},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    if (c.attributes) {
      ASSERT_TRUE(SetFileAttributesW(GbkToWide(doc).c_str(), c.attributes));
    }
    EXPECT_EQ(WriteFileBytes(c.path.c_str(), bytes.get()), 0);
    SetFileAttributesW(GbkToWide(doc).c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(FileContent(doc), "old");
    EXPECT_EQ(folder_.Names(), std::vector<std::string>{"doc.txt"});
  }
}

TEST_F(FilesTest, WriteFileBytesRefusesAFileThatAnyoneHoldsOpen) {
  const std::string doc = folder_ / "doc.txt";
  ASSERT_TRUE(PutFile(doc, "old"));
  OwnedByteSet bytes = Set("new");
  // Even a holder that shares everything keeps the file: the save shares it with nobody.
  for (DWORD share :
       {DWORD{FILE_SHARE_READ}, DWORD{FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE}}) {
    SCOPED_TRACE(share);
    HANDLE holder = OpenWide(doc, GENERIC_READ, share);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    EXPECT_EQ(WriteFileBytes(doc.c_str(), bytes.get()), 0);
    CloseHandle(holder);
    EXPECT_EQ(FileContent(doc), "old");
    EXPECT_EQ(folder_.Names(), std::vector<std::string>{"doc.txt"});
  }
}

TEST_F(FilesTest, ASaveThatFailsPartWayLeavesTheOldDocumentWhole) {
  const std::string doc = folder_ / "文档.txt";
  const std::string old = "the document as it was, 旧的";
  ASSERT_TRUE(PutFile(doc, old));
  // A second byte set whose bytes run into a page that cannot be read: the first set is written,
  // then the write of the second fails, as a full disk or a failing device would make it fail.
  SYSTEM_INFO system;
  GetSystemInfo(&system);
  const SIZE_T page = system.dwPageSize;
  auto* pages =
      static_cast<unsigned char*>(VirtualAlloc(nullptr, 2 * page, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
  ASSERT_NE(pages, nullptr);
  DWORD previous;
  ASSERT_TRUE(VirtualProtect(pages + page, page, PAGE_NOACCESS, &previous));
  auto* broken = reinterpret_cast<ByteSetHeader*>(pages + page - sizeof(ByteSetHeader) - 16);
  broken->dimensionCount = 1;
  broken->length = 4096;  // 16 readable bytes, then the guarded page

  OwnedByteSet first = Set("new bytes that reach the disk first");
  EXPECT_EQ(WriteFileBytes(doc.c_str(), first.get(), broken), 0);
  EXPECT_EQ(FileContent(doc), old);
  EXPECT_EQ(folder_.Names(), std::vector<std::string>{"文档.txt"});
  VirtualFree(pages, 0, MEM_RELEASE);
}

TEST_F(FilesTest, GetCurrentDirHasNoTrailingSeparatorExceptAtADriveRoot) {
  wchar_t saved[MAX_PATH];
  GetCurrentDirectoryW(MAX_PATH, saved);
  ASSERT_TRUE(SetCurrentDirectoryW(GbkToWide(folder_.Path()).c_str()));
  OwnedText inFolder(GetCurrentDir());
  ASSERT_TRUE(SetCurrentDirectoryW(L"C:\\"));
  OwnedText atRoot(GetCurrentDir());
  SetCurrentDirectoryW(saved);
  ASSERT_NE(inFolder, nullptr);
  EXPECT_STREQ(inFolder.get(), folder_.Path().c_str());
  EXPECT_STREQ(atRoot.get(), "C:\\");
}

TEST_F(FilesTest, ReadIniValueGivesGbkValuesOnAnySystem) {
  const std::string ini = folder_ / "Tessavia.ini";
  ASSERT_TRUE(PutFile(ini, "[其他]\r\n地址=no\r\n[地址]\r\nKey = 'x y'\r\n地址=D:\\文档\\繁體.txt\r\n"));
  const std::string bom = folder_ / "utf8.ini";
  ASSERT_TRUE(
      PutFile(bom, "\xEF\xBB\xBF[\xE5\x9C\xB0\xE5\x9D\x80]\r\n\xE5\x9C\xB0\xE5\x9D\x80=\xE7\xB9\x81\r\n"));
  struct Case {
    const char* name;
    std::string file;
    const char *section, *key, *defaultValue, *value;  // value null for a null result
  } cases[] = {
      {"Chinese section, key and value", ini, "地址", "地址", "", "D:\\文档\\繁體.txt"},
      {"key in another case, leading blanks", ini, "\t 地址", "  kEY", "", "x y"},
      {"file name with leading blanks", " \x01" + ini, "地址", "地址", "", "D:\\文档\\繁體.txt"},
      {"missing key", ini, "地址", "没有", "", nullptr},
      {"missing key, a default", ini, "地址", "没有", "默认", "默认"},
      {"missing file", folder_ / "none.ini", "地址", "地址", "", nullptr},
      {"empty section", ini, " ", "地址", "默认", nullptr},
      {"empty file name", "", "地址", "地址", "默认", nullptr},
      {"UTF-8 with a byte order mark", bom, "地址", "地址", "", "繁"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    OwnedText value(ReadIniValue(c.file.c_str(), c.section, c.key, c.defaultValue));
    if (!c.value) {
      EXPECT_EQ(value, nullptr);
    } else {
      ASSERT_NE(value, nullptr);
      EXPECT_STREQ(value.get(), c.value);
    }
  }
}

}  // namespace
}  // namespace tessavia
