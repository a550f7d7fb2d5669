// tessavia-convert: streaming in blocks, its command line, and files converted without loss.
#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#ifndef _WIN32
#include <sys/resource.h>
#endif

#include "cli/block_converter.h"
#include "cli/options.h"
#include "cli/run.h"
#include "convert/conversion.h"

namespace tessavia::cli {
namespace {

namespace fs = std::filesystem;

#ifdef _WIN32
int FileNumber(std::FILE* file) { return _fileno(file); }
#else
int FileNumber(std::FILE* file) { return fileno(file); }
#endif

// What the converter promises: each zero-separated piece converted as a Text of its own.
std::string ConvertPieces(const std::string& input, int32_t kind) {
  std::string out;
  size_t start = 0;
  while (start <= input.size()) {
    size_t zero = input.find('\0', start);
    if (zero == std::string::npos) zero = input.size();
    std::string piece = input.substr(start, zero - start);
    OwnedText converted(ConvertText(piece.c_str(), kind));
    out += converted ? std::string(converted.get()) : std::string();
    if (zero < input.size()) out += '\0';
    start = zero + 1;
  }
  return out;
}

std::string ConvertInBlocks(const std::string& input, int32_t kind, size_t blockSize) {
  BlockConverter converter(kind, blockSize);
  std::string out;
  for (size_t at = 0; at < input.size(); at += blockSize) {
    size_t n = std::min(blockSize, input.size() - at);
    std::copy(input.begin() + at, input.begin() + at + n, converter.Space());
    ByteSpan settled = converter.Convert(n);
    out.append(reinterpret_cast<const char*>(settled.data), settled.size);
  }
  ByteSpan rest = converter.Finish();
  out.append(reinterpret_cast<const char*>(rest.data), rest.size);
  return out;
}

// Bytes that exercise every pairing rule: high bytes in runs of odd length, zero bytes after lead
// bytes, stray Shift-JIS bytes, and a lead byte at the very end.
std::string MixedBytes(size_t n, uint32_t seed) {
  std::string bytes;
  for (size_t i = 0; i < n; ++i) {
    seed = seed * 1103515245u + 12345u;
    unsigned r = seed >> 16;
    bytes += static_cast<char>(r % 5 == 0 ? r % 0x80 : r % 11 == 0 ? 0 : 0x80 + r % 0x80);
  }
  return bytes + "\xB9";
}

TEST(BlockConverter, GivesWhatConvertingEachPieceWholeGives) {
  const std::string inputs[] = {
      std::string("國發\0\xB9\0\xB9\xFA \x80\xB9\xFA", 14),
      "\xB1\xB2\xB3\x81\x7F\x93\xFA\x96\x7B",
      MixedBytes(3000, 1),
      MixedBytes(3001, 2),
  };
  for (int32_t kind = 0; kind <= 7; ++kind) {
    for (size_t blockSize : {1, 2, 3, 7, 64, 4096}) {
      for (const std::string& input : inputs) {
        SCOPED_TRACE("kind " + std::to_string(kind) + ", blocks of " + std::to_string(blockSize) + ", " +
                     std::to_string(input.size()) + " bytes");
        std::string got = ConvertInBlocks(input, kind, blockSize);
        ASSERT_EQ(got.size(), input.size());
        ASSERT_EQ(got, ConvertPieces(input, kind));
      }
    }
  }
}

TEST(Options, ReadsTheCommandLine) {
  struct Case {
    std::vector<std::string> args;
    int32_t kind;
    bool inPlace;
    std::string output;
    size_t inputs;
    bool usageError;
  } cases[] = {
      {{}, 3, false, "", 0, false},
      {{"--kind", "s2t", "a.txt"}, 4, false, "", 1, false},
      {{"--kind=big5-gbk-simp"}, 5, false, "", 0, false},
      {{"-k", "7", "-"}, 7, false, "", 1, false},
      {{"--kind", "-3"}, -3, false, "", 0, false},
      {{"--kind", "99", "-o", "out.txt", "in.txt"}, 99, false, "out.txt", 1, false},
      {{"--in-place", "a", "b", "c"}, 3, true, "", 3, false},
      {{"-o", "-", "a"}, 3, false, "", 1, false},
      {{"--", "-o"}, 3, false, "", 1, false},
      {{"--kind", "t2x"}, 3, false, "", 0, true},
      {{"--kind", "99999999999"}, 3, false, "", 0, true},
      {{"--kind"}, 3, false, "", 0, true},
      {{"--in-place"}, 3, true, "", 0, true},
      {{"--in-place", "-"}, 3, true, "", 1, true},
      {{"--in-place", "-o", "x", "a"}, 3, true, "x", 1, true},
      {{"-o", "x", "a", "b"}, 3, false, "x", 2, true},
      {{"--frobnicate"}, 3, false, "", 0, true},
  };
  for (const Case& c : cases) {
    std::string line;
    for (const std::string& arg : c.args) line += arg + " ";
    SCOPED_TRACE(line);
    Options options = ParseOptions(c.args);
    EXPECT_EQ(!options.usageError.empty(), c.usageError) << options.usageError;
    if (c.usageError) continue;
    EXPECT_EQ(options.kind, c.kind);
    EXPECT_EQ(options.inPlace, c.inPlace);
    EXPECT_EQ(options.output, c.output);
    EXPECT_EQ(options.inputs.size(), c.inputs);
  }
}

// A folder of its own for each test, and the converter run in-process with its messages kept.
class ConverterRun : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("tessavia-cli-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override {
    fs::remove_all(dir_);
    fs::remove(dir_.string() + ".err");
    fs::remove(dir_.string() + ".out");
  }

  std::string Path(const std::string& name) const { return (dir_ / name).string(); }
  void Write(const std::string& name, const std::string& bytes) const {
    std::ofstream(Path(name), std::ios::binary) << bytes;
  }
  std::string Read(const std::string& name) const {
    std::ifstream in(Path(name), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  std::vector<std::string> Files() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir_)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }

  // Runs with standard input read from the file stdinName (if any) and standard output kept.
  int Run(std::vector<std::string> args, const std::string& stdinName = "") {
    // Kept outside the test's folder, so that they never show among its files.
    std::FILE* err = std::fopen((dir_.string() + ".err").c_str(), "w+b");
    std::FILE* out = std::fopen((dir_.string() + ".out").c_str(), "w+b");
    std::FILE* in = std::fopen(stdinName.empty() ? (dir_.string() + ".out").c_str() : Path(stdinName).c_str(), "rb");
    Console console;
    console.in = FileNumber(in);
    console.out = FileNumber(out);
    console.err = err;
    console.blockSize = 5;  // small blocks, so that every test crosses block boundaries
    console.errIsTerminal = errIsTerminal_;
    int code = RunConverter(args, console);
    messages_ = Slurp(err);
    output_ = Slurp(out);
    std::fclose(in);
    return code;
  }
  static std::string Slurp(std::FILE* file) {
    std::fflush(file);
    std::rewind(file);
    std::string text;
    char buffer[4096];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0) text.append(buffer, n);
    std::fclose(file);
    return text;
  }

  fs::path dir_;
  bool errIsTerminal_ = false;
  std::string messages_, output_;
};

TEST_F(ConverterRun, ConvertsFilesWhereTheyLieAndLeavesNothingElse) {
  Write("a.txt", "國發 Tessavia\r\n");
  Write("b.txt", std::string("發\0\xB9", 4));
  EXPECT_EQ(Run({"--in-place", Path("a.txt"), Path("b.txt")}), kExitOk) << messages_;
  EXPECT_EQ(Read("a.txt"), "国发 Tessavia\r\n");
  EXPECT_EQ(Read("b.txt"), std::string("发\0\xB9", 4));
  EXPECT_EQ(Files(), (std::vector<std::string>{"a.txt", "b.txt"}));
  EXPECT_EQ(messages_, "");
}

TEST_F(ConverterRun, StandardInputToStandardOutputKeepsZeroBytesAndLength) {
  const std::string input("國\0\x87\0國\xB9", 7);
  Write("in", input);
  EXPECT_EQ(Run({"--kind", "t2s"}, "in"), kExitOk);
  EXPECT_EQ(output_, std::string("国\0\x87\0国\xB9", 7));
}

TEST_F(ConverterRun, OutputFileIsReplacedWhole) {
  Write("in.txt", "後");
  Write("out.txt", "an older and much longer content");
  EXPECT_EQ(Run({"-o", Path("out.txt"), Path("in.txt")}), kExitOk) << messages_;
  EXPECT_EQ(Read("out.txt"), "后");
  EXPECT_EQ(Files(), (std::vector<std::string>{"in.txt", "out.txt"}));
}

TEST_F(ConverterRun, BadFilesAreNamedWithTheirReasonAndTheOthersStillConverted) {
  Write("good.txt", "國");
  fs::create_directory(dir_ / "folder");
  int code = Run({"--in-place", Path("missing.txt"), Path("folder"), Path("good.txt")});
  EXPECT_EQ(code, kExitFileFailed);
  EXPECT_EQ(Read("good.txt"), "国");
  EXPECT_NE(messages_.find(Path("missing.txt") + ": No such file or directory"), std::string::npos) << messages_;
  EXPECT_NE(messages_.find(Path("folder") + ": it is a directory"), std::string::npos) << messages_;
}

TEST_F(ConverterRun, UsageErrorsConvertNothing) {
  Write("a.txt", "國");
  EXPECT_EQ(Run({"--kind", "nonsense", "--in-place", Path("a.txt")}), kExitUsage);
  EXPECT_EQ(Read("a.txt"), "國");
  EXPECT_NE(messages_.find("unknown kind"), std::string::npos);
}

TEST_F(ConverterRun, AnOutOfRangeKindCopiesWithAWarning) {
  Write("in", "國");
  EXPECT_EQ(Run({"--kind", "8"}, "in"), kExitOk);
  EXPECT_EQ(output_, "國");
  EXPECT_NE(messages_.find("kind 8 converts nothing"), std::string::npos);
}

TEST_F(ConverterRun, AManyFileBatchOnATerminalShowsAProgressLineAndClearsIt) {
  std::vector<std::string> args = {"--in-place"};
  for (int i = 0; i < 16; ++i) {
    Write("f" + std::to_string(i), "國");
    args.push_back(Path("f" + std::to_string(i)));
  }
  errIsTerminal_ = true;
  EXPECT_EQ(Run(args), kExitOk);
  EXPECT_EQ(messages_.rfind("\rtessavia-convert: file 1 of 16", 0), 0u) << messages_;
  EXPECT_EQ(messages_.back(), '\r');
  EXPECT_EQ(messages_.find_first_not_of(" \r", messages_.rfind(')') + 1), std::string::npos) << messages_;
  EXPECT_EQ(Read("f15"), "国");
}

#ifndef _WIN32
TEST_F(ConverterRun, InPlaceThroughASymbolicLinkKeepsTheLink) {
  Write("real.txt", "國");
  fs::create_symlink(Path("real.txt"), dir_ / "link.txt");
  EXPECT_EQ(Run({"--in-place", Path("link.txt")}), kExitOk) << messages_;
  EXPECT_TRUE(fs::is_symlink(dir_ / "link.txt"));
  EXPECT_EQ(Read("real.txt"), "国");
}

// A file-size limit makes the write fail halfway, as a full disk would.
TEST_F(ConverterRun, AFailedWriteLeavesTheTargetAsItWasAndNoNewFile) {
  const std::string original(64 * 1024, '\xB0');
  Write("big.txt", original);
  rlimit saved;
  getrlimit(RLIMIT_FSIZE, &saved);
  rlimit limited = saved;
  limited.rlim_cur = 4096;
  auto previous = std::signal(SIGXFSZ, SIG_IGN);
  setrlimit(RLIMIT_FSIZE, &limited);
  int code = Run({"--in-place", Path("big.txt")});
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, previous);
  EXPECT_EQ(code, kExitFileFailed);
  EXPECT_EQ(Read("big.txt"), original);
  EXPECT_EQ(Files(), std::vector<std::string>{"big.txt"});
  EXPECT_NE(messages_.find("cannot write " + Path("big.txt") + ": File too large"), std::string::npos) << messages_;
  EXPECT_NE(messages_.find("left as it was"), std::string::npos) << messages_;
}
#endif

}  // namespace
}  // namespace tessavia::cli
