// main.cpp - zv-as entry: the command line, the checks of the source file
// and the output path, then one run over the source.
#include "elf32.h"
#include "filestat.h"
#include "messagestyle.h"
#include "parser.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <getopt.h>
#include <iostream>
#include <new>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

const char *const versionBanner = "ZV assembler version 0.5.11:87";
const char *const includeOption = "--include-path";

// What the command line asked for.
struct Options {
  int help = 0;
  int version = 0;
  bool debug = false;
  uint16_t processorCode = 0; // 0: not given
  uint16_t syntax = 0;        // 0: the model's default
  DiagnosticsMode diagnostics = DiagnosticsMode::Auto;
  std::string outputName;
  std::vector<std::string> includeDirectories;
  std::vector<std::string> files;
  bool good = true;
  // An object from an earlier run stands where this one goes.
  bool staleOutput = false;
};

// Goes on with the run.
constexpr int Continue = -1;

void no_memory() {
  std::fputs("Fatal error: failed to allocate memory\n", stderr);
  std::fflush(stdout);
  // Nothing more may allocate on the way out, so no destructors run.
  std::_Exit(1);
}

void usage(const std::string &prog) {
  std::cout << "Usage: " << prog << " --arch=<CPU> [options] <file>\n"
            << "\n"
            << "options:\n"
            << "\t-I, --include-path=DIR - add DIR to search list for "
               ".include directives\n"
            << "\t-o, --output=objfile - place output in file objfile\n"
            << "\t-g - produce debugging information\n"
            << "\t-V - print assembler version number\n"
            << "\t--arch=CPU - generate code for CPU, CPU is one of: ZP100, "
               "ZP200\n"
            << "\t--syntax=[V1|V2] - use V1/V2 syntax\n"
            << "\t-h, --help - show this message and exit\n"
            << "\n"
            << "file - source file for compilation\n";
}

bool startsWith(const char *text, const char *prefix) {
  return std::strncmp(text, prefix, std::strlen(prefix)) == 0;
}

// The full name of the argument-taking long option without a short letter
// that the word (possibly an abbreviation) selected; the word itself when
// none matches.
std::string longOptionName(const char *word, const option *table) {
  std::string typed = startsWith(word, "--") ? word + 2 : word;
  typed = typed.substr(0, typed.find('='));
  for (const option *o = table; o->name; ++o)
    if (o->has_arg == required_argument && o->val == 0 &&
        startsWith(o->name, typed.c_str()))
      return std::string("--") + o->name;
  return word;
}

void optionError(const std::string &prog, const std::string &text,
                 Options &opts) {
  std::cerr << prog << ": " << text << "\n";
  opts.good = false;
}

void readOptions(int argc, char **argv, const std::string &prog,
                 Options &opts) {
  const option longOptions[] = {
      {"include-path", required_argument, nullptr, 'I'},
      {"output-directory", required_argument, nullptr, 'o'},
      {"arch", required_argument, nullptr, 0},
      {"syntax", required_argument, nullptr, 0},
      {"help", no_argument, &opts.help, 1},
      {"diagnostics", required_argument, nullptr, 0},
      {nullptr, 0, nullptr, 0},
  };
  // The word the option parser has just finished with.
  auto lastWord = [&]() -> const char * {
    return optind >= 1 && optind <= argc ? argv[optind - 1] : "";
  };

  int index = 0;
  int c;
  while ((c = getopt_long(argc, argv, ":I:o:ghV", longOptions, &index)) != -1) {
    switch (c) {
    case 'I':
      opts.includeDirectories.push_back(optarg);
      break;
    case 'o':
      if (!opts.outputName.empty())
        optionError(prog, "reuse '-o' option", opts);
      else
        opts.outputName = optarg;
      break;
    case 'g':
      opts.debug = true;
      break;
    case 'V':
      opts.version = 1;
      break;
    case 'h':
      opts.help = 1;
      break;
    case 0: {
      std::string name = longOptions[index].name;
      std::string value = optarg ? optarg : "";
      if (name == "arch") {
        if (value == "ZP100")
          opts.processorCode = EM_ZP100;
        else if (value == "ZP200")
          opts.processorCode = EM_ZP200;
        else
          optionError(prog, "unrecognized architecture '" + value + "'", opts);
      } else if (name == "syntax") {
        if (value == "V1")
          opts.syntax = 1;
        else if (value == "V2")
          opts.syntax = 2;
        else
          optionError(prog, "unrecognized syntax version '" + value + "'",
                      opts);
      } else if (name == "diagnostics") {
        if (!parseDiagnosticsMode(value, opts.diagnostics))
          optionError(prog, "unrecognized diagnostics mode '" + value + "'",
                      opts);
      }
      break;
    }
    case ':':
      // --arch and --syntax have no letter to show: name them in full.
      if (optopt == 0)
        optionError(prog,
                    "option '" + longOptionName(lastWord(), longOptions) +
                        "' requires an argument",
                    opts);
      else
        optionError(prog,
                    std::string("option '-") + static_cast<char>(optopt) +
                        "' requires an argument",
                    opts);
      break;
    default:
      // An unknown long option leaves no character; --help=x reports the
      // help option's flag value instead.
      if (optopt == 0 || (optopt == 1 && startsWith(lastWord(), "--")))
        optionError(prog,
                    std::string("unrecognized option '") + lastWord() + "'",
                    opts);
      else
        optionError(prog,
                    std::string("unrecognized option '-") +
                        static_cast<char>(optopt) + "'",
                    opts);
      break;
    }
  }
  for (int i = optind; i < argc; ++i)
    opts.files.push_back(argv[i]);
}

// The checks that follow the options; an exit status, or Continue.
int checkCommandLine(const std::string &prog, const Options &opts) {
  if (opts.version)
    std::cout << versionBanner << "\n";
  if (opts.help) {
    usage(prog);
    return 0;
  }
  if (opts.version && opts.files.empty())
    return 0;
  if (opts.files.size() != 1) {
    if (opts.files.empty()) {
      std::cerr << prog << ": no file specified\n";
    } else {
      std::cerr << prog << ": to many files specified:\n";
      for (const std::string &f : opts.files)
        std::cerr << "\t" << f << "\n";
    }
    if (opts.processorCode == 0)
      std::cerr << prog << ": no architecture specified\n";
    usage(prog);
    return 1;
  }
  if (opts.processorCode == 0) {
    std::cerr << prog << ": no architecture specified\n";
    usage(prog);
    return 1;
  }
  if (!opts.good) {
    usage(prog);
    return 1;
  }
  return Continue;
}

// The source must be a regular file and the object's place usable and not
// the source. A stale object goes when the run fails, not before: until
// the included files are known it could be one of them. The checked
// spellings (forward slashes) are what the run goes on with.
int checkFiles(Options &opts) {
  FileStat input(opts.files.front());
  if (!input.isExists()) {
    std::cerr << "Error: can't open '" << input.filePath()
              << "' for reading: no such file\n";
    return 1;
  }
  if (!input.isReg()) {
    std::cerr << "Error: can't open '" << input.filePath()
              << "' for reading: no regular file\n";
    return 1;
  }
  opts.files.front() = input.filePath();

  std::string given = opts.outputName.empty()
                          ? "./" + input.completeBaseName() + ".o"
                          : opts.outputName;
  FileStat output(given);
  // Checked before the stale object goes: an output that is the source
  // would delete the source.
  if (output.isSameFile(input)) {
    std::cerr << "Error: '" << given
              << "': input and output files must be distinct ('"
              << input.filePath() << "')\n";
    return 1;
  }
  if (output.isExists()) {
    if (!output.isReg()) {
      std::cerr << "Error: '" << given << "' is not a regular file\n";
      return 1;
    }
    opts.staleOutput = true;
  } else {
    std::string dir = output.path();
    if (!dir.empty() && !FileStat(dir).isExists()) {
      std::cerr << "Error: can't create '" << given << "': no '" << dir
                << "' directory\n";
      return 1;
    }
  }
  opts.outputName = output.filePath();
  return Continue;
}

// Reports a value of a directory option that is not a directory; true when
// the value is to be dropped.
bool isNotPathADirectory(const std::string &prog, const std::string &dir,
                         const char *optionName) {
  FileStat path(dir);
  if (!path.isExists()) {
    std::cerr << prog << ": invalid value '" << dir << "' for '" << optionName
              << "' option: no such directory; ignore\n";
    return true;
  }
  if (!path.isDir()) {
    std::cerr << prog << ": invalid value '" << dir << "' for '" << optionName
              << "' option: is not a directory; ignore\n";
    return true;
  }
  return false;
}

void pruneIncludeDirectories(const std::string &prog,
                             std::vector<std::string> &dirs) {
  std::vector<std::string> kept;
  for (const std::string &dir : dirs)
    if (!isNotPathADirectory(prog, dir, includeOption))
      kept.push_back(dir);
  dirs.swap(kept);
}

// One assembly; returns its error count. A failed run leaves no object: a
// stale one is deleted then, unless it is one of the sources.
int assemble(const Options &opts) {
  Parser parser(opts.outputName, opts.includeDirectories, opts.processorCode,
                opts.syntax, opts.debug);
  parser.getDiagnostics().setStyle(
      MessageStyle::decide(opts.diagnostics, STDERR_FILENO));
  int errors = parser.parse(opts.files.front());
  if (errors != 0 && opts.staleOutput && !parser.isOutputASource() &&
      std::remove(opts.outputName.c_str()) != 0 && errno != ENOENT)
    std::cerr << "Error: can't delete '" << opts.outputName
              << "': " << std::strerror(errno) << "\n";
  return errors;
}

// The error count is the exit status; only its low 8 bits survive, so a
// count of 256 must not read as success.
int exitStatus(int errors) { return errors > 255 ? 255 : errors; }

} // namespace

int main(int argc, char **argv) {
  std::set_new_handler(no_memory);
  const std::string prog = argc > 0 && argv[0] ? argv[0] : "zv-as";
  if (argc <= 1) {
    usage(prog);
    return 1;
  }

  Options opts;
  readOptions(argc, argv, prog, opts);
  if (int rc = checkCommandLine(prog, opts); rc != Continue)
    return rc;
  if (int rc = checkFiles(opts); rc != Continue)
    return rc;
  pruneIncludeDirectories(prog, opts.includeDirectories);
  return exitStatus(assemble(opts));
}
