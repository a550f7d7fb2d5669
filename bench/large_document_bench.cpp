// Times the program's own steps on large documents in the real window: writing the editor's whole
// content, reading it back, and F4 (To Simplified) end to end. Prints figures; asserts nothing.
// Usage: tessavia_large_document_bench.exe [MEGABYTES...]   (default 1 4 16)
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/commands.h"
#include "app/component_ids.h"
#include "app/window_description.h"
#include "runtime/components.h"
#include "runtime/lifecycle.h"
#include "runtime/window_access.h"

namespace {

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

// Lines of 29 bytes with Traditional characters for F4 to change.
std::string Document(size_t bytes) {
  const std::string line = "國發後乾 abcdefghij 012345\r\n";
  std::string text;
  text.reserve(bytes + line.size());
  while (text.size() < bytes) text += line;
  return text;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace tessavia;
  std::vector<int> sizes;
  for (int i = 1; i < argc; ++i) sizes.push_back(std::atoi(argv[i]));
  if (sizes.empty()) sizes = {1, 4, 16};
  InitRuntime(MainWindowDescription);
  LoadWindow(MainWindowId);
  ProcessPendingMessages();
  std::printf("%8s %14s %14s %14s %14s\n", "MB", "write (s)", "rewrite (s)", "read (s)", "F4 (s)");
  for (int mb : sizes) {
    std::string text = Document(static_cast<size_t>(mb) << 20);
    WriteTextProperty(MainWindowId, kEditorId, kRichEditContent, nullptr);
    auto start = Clock::now();
    WriteTextProperty(MainWindowId, kEditorId, kRichEditContent, text.c_str());  // into an empty editor
    double write = SecondsSince(start);
    start = Clock::now();
    WriteTextProperty(MainWindowId, kEditorId, kRichEditContent, text.c_str());  // over the same text
    double rewrite = SecondsSince(start);
    start = Clock::now();
    OwnedText back(ReadTextProperty(MainWindowId, kEditorId, kRichEditContent));
    double read = SecondsSince(start);
    bool intact = back && text == back.get();
    back.reset();
    start = Clock::now();
    ToSimplified();
    double f4 = SecondsSince(start);
    ProcessPendingMessages();
    std::printf("%8d %14.2f %14.2f %14.2f %14.2f%s\n", mb, write, rewrite, read, f4, intact ? "" : "  (read back differs!)");
    std::fflush(stdout);
  }
  DestroyWindow(WindowHandle(MainWindowId));
  return 0;
}
