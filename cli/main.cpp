// tessavia-convert: converts files or standard input by one conversion kind; see --help.
#include <csignal>
#include <string>
#include <vector>

#include "cli/file_io.h"
#include "cli/run.h"

int main(int argc, char** argv) {
  using namespace tessavia::cli;
#ifdef SIGXFSZ
  // Past a file-size limit, write fails with a reason that can be reported, instead of ending the process.
  std::signal(SIGXFSZ, SIG_IGN);
#endif
  UseBinaryStandardStreams();
  Console console;
  console.errIsTerminal = IsTerminal(2);
  return RunConverter(std::vector<std::string>(argv + 1, argv + argc), console);
}
