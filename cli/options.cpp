// Reading the batch converter's command line, and its help and kind list.
#include "cli/options.h"

#include "cli/kinds.h"

namespace tessavia::cli {
namespace {

// "--kind=X" and "--kind X" both give X; "-o X" and "-oX" too.
bool TakeValue(const std::vector<std::string>& args, size_t* i, const std::string& longName,
               const std::string& shortName, std::string* value, std::string* error) {
  const std::string& arg = args[*i];
  if (arg.compare(0, longName.size() + 1, longName + "=") == 0) {
    *value = arg.substr(longName.size() + 1);
    return true;
  }
  if (!shortName.empty() && arg.size() > shortName.size() && arg.compare(0, shortName.size(), shortName) == 0 &&
      arg[1] != '-') {
    *value = arg.substr(shortName.size());
    return true;
  }
  if (arg != longName && arg != shortName) return false;
  if (*i + 1 >= args.size()) {
    *error = "option " + arg + " needs a value";
    return true;
  }
  *value = args[++*i];
  return true;
}

}  // namespace

Options ParseOptions(const std::vector<std::string>& args) {
  Options options;
  std::string& error = options.usageError;
  bool outputGiven = false, optionsEnded = false;
  for (size_t i = 0; i < args.size() && error.empty(); ++i) {
    const std::string& arg = args[i];
    std::string value;
    if (optionsEnded || arg == "-" || arg.empty() || arg[0] != '-') {
      options.inputs.push_back(arg);
    } else if (arg == "--") {
      optionsEnded = true;
    } else if (arg == "-h" || arg == "--help") {
      options.action = Options::Action::Help;
    } else if (arg == "--version") {
      options.action = Options::Action::Version;
    } else if (arg == "--list-kinds") {
      options.action = Options::Action::ListKinds;
    } else if (arg == "-i" || arg == "--in-place") {
      options.inPlace = true;
    } else if (TakeValue(args, &i, "--kind", "-k", &value, &error)) {
      if (!error.empty()) break;
      std::optional<int32_t> kind = ParseKind(value);
      if (!kind) error = "unknown kind \"" + value + "\" (see --list-kinds)";
      else options.kind = *kind;
    } else if (TakeValue(args, &i, "--output", "-o", &value, &error)) {
      if (!error.empty()) break;
      if (value.empty()) error = "-o needs a file name";
      // "-o -" is standard output, as "-" is standard input.
      options.output = value == "-" ? "" : value;
      outputGiven = true;
    } else {
      error = "unknown option " + arg;
    }
  }
  if (!error.empty() || options.action != Options::Action::Convert) return options;
  if (options.inPlace && outputGiven) {
    error = "--in-place and -o cannot be combined";
  } else if (options.inPlace && options.inputs.empty()) {
    error = "--in-place needs at least one FILE";
  } else if (options.inPlace) {
    for (const std::string& input : options.inputs) {
      if (input == "-") error = "--in-place cannot convert standard input";
    }
  } else if (outputGiven && options.inputs.size() > 1) {
    error = "-o takes one input; use --in-place for several files";
  }
  return options;
}

std::string HelpText() {
  return "Usage: tessavia-convert [--kind KIND] [-o OUT] [FILE]\n"
         "       tessavia-convert [--kind KIND] [FILE...]\n"
         "       tessavia-convert [--kind KIND] --in-place FILE...\n"
         "Converts Chinese text between Traditional and Simplified characters (GBK), and between\n"
         "GBK, BIG5 and Shift-JIS, pair by pair through fixed tables; the text keeps its length.\n"
         "Reads each FILE, or standard input when there is none or FILE is -, and writes the result\n"
         "to standard output, to OUT, or back into each FILE. A file is only replaced once its\n"
         "new content is complete on disk; if anything fails it is left as it was.\n"
         "\n"
         "  -k, --kind KIND     conversion by name or number (default t2s); see --list-kinds\n"
         "  -o, --output OUT    write the result to OUT\n"
         "  -i, --in-place      convert each FILE where it lies\n"
         "      --list-kinds    list the conversions\n"
         "  -h, --help          show this help\n"
         "      --version       show the version\n"
         "\n"
         "Exit status: 0 when every file was converted, 1 when any failed, 2 for a usage error.\n";
}

std::string KindListText() {
  std::string text;
  for (const KindName& kind : kKindNames) {
    std::string name = kind.name;
    text += "  " + std::to_string(kind.number) + "  " + name + std::string(15 - name.size(), ' ') +
            kind.description + "\n";
  }
  return text;
}

}  // namespace tessavia::cli
