// Converting one input into standard output, into a named file, or where it lies, without losing data.
#pragma once

#include <cstdint>
#include <string>

#include "cli/block_converter.h"
#include "cli/run.h"

namespace tessavia::cli {

class FileHandle;
class Progress;

enum class Outcome { Converted, Failed, OutputBroken };

class FileConverter {
 public:
  FileConverter(int32_t kind, const Console& console, Progress* progress)
      : kind_(kind), console_(console), progress_(progress) {}

  // input "-" is standard input throughout.
  Outcome ConvertToStandardOutput(const std::string& input);
  // Writes a new file beside output and puts it in output's place only once it is complete.
  Outcome ConvertInto(const std::string& input, const std::string& output);
  // The same with the input as its own target.
  Outcome ConvertWhereItLies(const std::string& path);

 private:
  enum class PumpResult { Done, ReadFailed, WriteFailed };
  bool OpenInput(const std::string& input, FileHandle* file);
  // Reads in to its end, converting block by block, and writes to out.
  PumpResult Pump(int in, int out, std::string* reason);
  Outcome ReplaceTarget(const std::string& input, FileHandle* in, const std::string& target);
  void Report(const std::string& message);

  int32_t kind_;
  const Console& console_;
  Progress* progress_;
};

}  // namespace tessavia::cli
