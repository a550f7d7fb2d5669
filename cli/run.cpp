// tessavia-convert's run: read the command line, convert each input, report what failed.
#include "cli/run.h"

#include "cli/file_conversion.h"
#include "cli/file_io.h"
#include "cli/kinds.h"
#include "cli/options.h"
#include "cli/progress.h"
#include "convert/conversion.h"

#ifndef TESSAVIA_VERSION
#define TESSAVIA_VERSION "1.0.0"
#endif

namespace tessavia::cli {
namespace {

bool WriteText(int fd, const std::string& text) {
  std::string reason;
  return WriteAll(fd, text.data(), text.size(), &reason);
}

uint64_t KnownSize(const std::vector<std::string>& inputs) {
  uint64_t total = 0;
  for (const std::string& input : inputs) {
    if (input == "-") continue;
    FileInfo info = Inspect(input);
    if (info.isRegular) total += info.size;
  }
  return total;
}

}  // namespace

int RunConverter(const std::vector<std::string>& args, const Console& console) {
  Options options = ParseOptions(args);
  if (!options.usageError.empty()) {
    std::fprintf(console.err, "tessavia-convert: %s\nTry 'tessavia-convert --help' for more.\n",
                 options.usageError.c_str());
    return kExitUsage;
  }
  switch (options.action) {
    case Options::Action::Help:
      return WriteText(console.out, HelpText()) ? kExitOk : kExitFileFailed;
    case Options::Action::Version:
      return WriteText(console.out, "tessavia-convert " TESSAVIA_VERSION "\n") ? kExitOk : kExitFileFailed;
    case Options::Action::ListKinds:
      return WriteText(console.out, KindListText()) ? kExitOk : kExitFileFailed;
    case Options::Action::Convert:
      break;
  }
  if (PassCount(options.kind) == 0) {
    std::fprintf(console.err, "tessavia-convert: warning: kind %d converts nothing; the output is an unchanged copy\n",
                 options.kind);
  }
  std::vector<std::string> inputs = options.inputs;
  if (inputs.empty()) inputs.push_back("-");

  Progress progress(console.err, console.errIsTerminal, static_cast<int>(inputs.size()), KnownSize(inputs));
  FileConverter converter(options.kind, console, &progress);
  bool anyFailed = false;
  for (const std::string& input : inputs) {
    progress.StartFile();
    Outcome outcome = options.inPlace            ? converter.ConvertWhereItLies(input)
                      : !options.output.empty() ? converter.ConvertInto(input, options.output)
                                                : converter.ConvertToStandardOutput(input);
    if (outcome == Outcome::Failed) anyFailed = true;
    // Nothing more can reach a standard output that refuses to be written.
    if (outcome == Outcome::OutputBroken) {
      anyFailed = true;
      break;
    }
  }
  return anyFailed ? kExitFileFailed : kExitOk;
}

}  // namespace tessavia::cli
