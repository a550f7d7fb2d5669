// A helper of the end-to-end tests that only looks: it lists what the running program's window
// shows, and gives the engine's Traditional-to-Simplified conversion of a file to compare against.
// It sends the program no input; the tests drive the program with xdotool alone.
#include <windows.h>

#include <cstdio>
#include <string>

#include "convert/conversion.h"

namespace {

std::string Utf8(const std::wstring& wide) {
  if (wide.empty()) return {};
  const int n = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0,
                                    nullptr, nullptr);
  std::string out(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), out.data(), n, nullptr,
                      nullptr);
  return out;
}

// One line a child window: class, screen rectangle and text, tab-separated, with line breaks of the
// text written as \r and \n so that every window stays on one line.
BOOL CALLBACK PrintChild(HWND child, LPARAM) {
  wchar_t kind[64] = {};
  GetClassNameW(child, kind, 64);
  RECT r{};
  GetWindowRect(child, &r);
  const auto length = SendMessageW(child, WM_GETTEXTLENGTH, 0, 0);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  SendMessageW(child, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
  text.resize(wcslen(text.c_str()));
  std::string escaped;
  for (char c : Utf8(text))
    escaped += c == '\r' ? std::string("\\r") : c == '\n' ? std::string("\\n") : std::string(1, c);
  std::printf("%s\t%ld,%ld,%ld,%ld\t%s\n", Utf8(kind).c_str(), r.left, r.top, r.right, r.bottom,
              escaped.c_str());
  return TRUE;
}

int ListWindow() {
  const HWND window = FindWindowW(nullptr, L"Tessavia");
  if (!window) return 1;
  EnumChildWindows(window, PrintChild, 0);
  return 0;
}

// The bytes of a file up to its first zero byte, converted as F4 converts the editor's text.
int ConvertFile(const wchar_t* from, const wchar_t* to) {
  FILE* in = _wfopen(from, L"rb");
  if (!in) return 1;
  std::string bytes;
  char chunk[4096];
  size_t n;
  while ((n = std::fread(chunk, 1, sizeof chunk, in)) > 0) bytes.append(chunk, n);
  std::fclose(in);
  tessavia::ConvertInPlace(bytes.data(), tessavia::TradToSimp);
  bytes.resize(std::string(bytes.c_str()).size());
  FILE* out = _wfopen(to, L"wb");
  if (!out) return 1;
  std::fwrite(bytes.data(), 1, bytes.size(), out);
  return std::fclose(out) == 0 ? 0 : 1;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const std::wstring command = argc > 1 ? argv[1] : L"";
  if (command == L"window" && argc == 2) return ListWindow();
  if (command == L"convert" && argc == 4) return ConvertFile(argv[2], argv[3]);
  std::fprintf(stderr, "usage: e2e_probe window | convert IN OUT\n");
  return 2;
}
