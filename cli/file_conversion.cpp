// Converting one input to its output: streamed in blocks, and a replaced file written beside it first.
#include "cli/file_conversion.h"

#include "cli/file_io.h"
#include "cli/progress.h"

namespace tessavia::cli {
namespace {

std::string NameOf(const std::string& input) { return input == "-" ? "standard input" : input; }

}  // namespace

void FileConverter::Report(const std::string& message) {
  progress_->Clear();
  std::fprintf(console_.err, "tessavia-convert: %s\n", message.c_str());
  std::fflush(console_.err);
}

bool FileConverter::OpenInput(const std::string& input, FileHandle* file) {
  if (input == "-") {
    *file = FileHandle(console_.in, false);
    return true;
  }
  // Some systems open a folder for reading without complaint; say what it is before trying.
  if (Inspect(input).isDirectory) {
    Report("cannot read " + input + ": it is a directory");
    return false;
  }
  std::string reason;
  if (OpenForReading(input, file, &reason)) return true;
  Report("cannot open " + input + ": " + reason);
  return false;
}

FileConverter::PumpResult FileConverter::Pump(int in, int out, std::string* reason) {
  BlockConverter converter(kind_, console_.blockSize);
  for (;;) {
    long long got = ReadSome(in, converter.Space(), converter.BlockSize(), reason);
    if (got < 0) return PumpResult::ReadFailed;
    ByteSpan settled = got == 0 ? converter.Finish() : converter.Convert(static_cast<size_t>(got));
    if (!WriteAll(out, settled.data, settled.size, reason)) return PumpResult::WriteFailed;
    if (got == 0) return PumpResult::Done;
    progress_->Advance(static_cast<uint64_t>(got));
  }
}

Outcome FileConverter::ConvertToStandardOutput(const std::string& input) {
  FileHandle in;
  if (!OpenInput(input, &in)) return Outcome::Failed;
  std::string reason;
  switch (Pump(in.fd(), console_.out, &reason)) {
    case PumpResult::Done:
      return Outcome::Converted;
    case PumpResult::ReadFailed:
      Report("cannot read " + NameOf(input) + ": " + reason);
      return Outcome::Failed;
    case PumpResult::WriteFailed:
      Report("cannot write to standard output: " + reason);
      return Outcome::OutputBroken;
  }
  return Outcome::Failed;
}

Outcome FileConverter::ConvertInto(const std::string& input, const std::string& output) {
  FileHandle in;
  if (!OpenInput(input, &in)) return Outcome::Failed;
  return ReplaceTarget(input, &in, output);
}

Outcome FileConverter::ConvertWhereItLies(const std::string& path) {
  FileInfo info = Inspect(path);
  if (info.exists && !info.isDirectory && !info.isRegular) {
    Report("cannot convert " + path + " in place: it is not a regular file");
    return Outcome::Failed;
  }
  FileHandle in;
  if (!OpenInput(path, &in)) return Outcome::Failed;
  return ReplaceTarget(path, &in, path);
}

Outcome FileConverter::ReplaceTarget(const std::string& input, FileHandle* in, const std::string& output) {
  const std::string target = ResolveTarget(output);
  FileInfo info = Inspect(target);
  if (info.isDirectory) {
    Report("cannot write " + output + ": it is a directory");
    return Outcome::Failed;
  }
  std::string reason;
  // A device or a pipe cannot be replaced by a file: it is written to as it is.
  if (info.exists && !info.isRegular) {
    FileHandle out;
    if (!OpenForWriting(target, &out, &reason)) {
      Report("cannot open " + output + ": " + reason);
      return Outcome::Failed;
    }
    PumpResult result = Pump(in->fd(), out.fd(), &reason);
    if (result == PumpResult::Done) return Outcome::Converted;
    Report((result == PumpResult::ReadFailed ? "cannot read " + NameOf(input) : "cannot write " + output) + ": " +
           reason);
    return Outcome::Failed;
  }

  FileHandle out;
  std::string temporary;
  if (!CreateBeside(target, &out, &temporary, &reason)) {
    Report("cannot create a new file beside " + output + ": " + reason);
    return Outcome::Failed;
  }
  RemoveOnInterrupt(temporary, out.fd());
  if (info.exists) CopyPermissions(target, out.fd());
  std::string failure;
  PumpResult result = Pump(in->fd(), out.fd(), &reason);
  // Windows replaces no file that is still open, and converting in place reads the target itself.
  in->Close(nullptr);
  if (result == PumpResult::ReadFailed) failure = "cannot read " + NameOf(input) + ": " + reason;
  else if (result == PumpResult::WriteFailed) failure = "cannot write " + output + ": " + reason;
  else if (!FlushToDisk(out.fd(), &reason)) failure = "cannot write " + output + ": " + reason;
  else if (!out.Close(&reason)) failure = "cannot write " + output + ": " + reason;
  else if (!MoveOver(temporary, target, &reason)) failure = "cannot replace " + output + ": " + reason;
  if (failure.empty()) {
    ClearRemoveOnInterrupt();
    return Outcome::Converted;
  }
  out.Close(nullptr);
  RemoveFile(temporary);
  ClearRemoveOnInterrupt();
  Report(failure + (info.exists ? " (" + output + " is left as it was)" : ""));
  return Outcome::Failed;
}

}  // namespace tessavia::cli
