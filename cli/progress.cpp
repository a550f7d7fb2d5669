// Drawing the progress line: files and megabytes done, redrawn at most a few times a second.
#include "cli/progress.h"

namespace tessavia::cli {

Progress::Progress(std::FILE* out, bool onTerminal, int files, uint64_t totalBytes)
    : out_(out), enabled_(onTerminal && (files >= kManyFiles || totalBytes >= kLargeBytes)), files_(files),
      total_(totalBytes) {}

void Progress::Draw(bool force) {
  if (!enabled_) return;
  auto now = std::chrono::steady_clock::now();
  if (!force && shownWidth_ > 0 && now - lastDraw_ < std::chrono::milliseconds(200)) return;
  lastDraw_ = now;
  char line[160];
  int width = std::snprintf(line, sizeof line, "tessavia-convert: file %d of %d, %llu of %llu MiB", file_, files_,
                            static_cast<unsigned long long>(done_ >> 20),
                            static_cast<unsigned long long>(total_ >> 20));
  if (total_ > 0 && done_ <= total_) {
    width += std::snprintf(line + width, sizeof line - width, " (%d%%)", static_cast<int>(done_ * 100 / total_));
  }
  // Spaces over whatever a longer earlier line left, then back to the start of the line.
  std::fprintf(out_, "\r%s%*s\r", line, static_cast<int>(shownWidth_ > size_t(width) ? shownWidth_ - width : 0), "");
  std::fflush(out_);
  shownWidth_ = static_cast<size_t>(width);
}

void Progress::Clear() {
  if (!enabled_ || shownWidth_ == 0) return;
  std::fprintf(out_, "\r%*s\r", static_cast<int>(shownWidth_), "");
  std::fflush(out_);
  shownWidth_ = 0;
}

}  // namespace tessavia::cli
