// The progress line that a long batch shows on a terminal's standard error.
#pragma once

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <string>

namespace tessavia::cli {

class Progress {
 public:
  // Shown only on a terminal, and only for a batch big enough to make anyone wait.
  static constexpr int kManyFiles = 16;
  static constexpr uint64_t kLargeBytes = uint64_t{64} << 20;

  Progress(std::FILE* out, bool onTerminal, int files, uint64_t totalBytes);
  ~Progress() { Clear(); }

  void StartFile() { ++file_; Draw(false); }
  void Advance(uint64_t bytes) { done_ += bytes; Draw(false); }
  // Takes the line away, so that a message can be written in its place.
  void Clear();

 private:
  void Draw(bool force);

  std::FILE* out_;
  bool enabled_;
  int files_;
  int file_ = 0;
  uint64_t total_;
  uint64_t done_ = 0;
  size_t shownWidth_ = 0;
  std::chrono::steady_clock::time_point lastDraw_{};
};

}  // namespace tessavia::cli
