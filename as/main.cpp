// main.cpp - zv-as entry: the command line, the checks of the source file
// and the output path, then one run over the source.
#include "dependencyfile.h"
#include "elf32.h"
#include "filestat.h"
#include "messagestyle.h"
#include "parser.h"
#include "responsefile.h"
#include "versionbanner.h"

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
  bool longVersion = false;   // --version
  std::string dependencyFile; // --MD: empty when none is asked for
  std::string ruleTarget;     // the object as -o gave it, for the rule
  std::vector<SymbolDefinition> definitions;
  PathPrefixMap debugPrefixMap;
};

// Long options without a short letter that the switch tells apart by value.
enum {
  DependencyFileOption = 256,
  DefsymOption,
  DebugPrefixMapOption,
  VersionOption,
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
    if (o->has_arg == required_argument && (o->val == 0 || o->val >= 256) &&
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
      {"MD", required_argument, nullptr, DependencyFileOption},
      {"defsym", required_argument, nullptr, DefsymOption},
      {"debug-prefix-map", required_argument, nullptr, DebugPrefixMapOption},
      {"version", no_argument, nullptr, VersionOption},
      {nullptr, 0, nullptr, 0},
  };
  // A value the option's own rules refuse.
  auto invalidValue = [&](const char *name, const std::string &why) {
    optionError(prog,
                std::string("invalid value '") + optarg + "' for '" + name +
                    "' option: " + why,
                opts);
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
    case DependencyFileOption:
      if (!opts.dependencyFile.empty())
        optionError(prog, "reuse '--MD' option", opts);
      else if (*optarg == 0)
        invalidValue("--MD", "no file name");
      else
        opts.dependencyFile = optarg;
      break;
    case DefsymOption: {
      SymbolDefinition definition;
      std::string why;
      if (SymbolDefinition::parse(optarg, definition, why))
        opts.definitions.push_back(definition);
      else
        invalidValue("--defsym", why);
      break;
    }
    case DebugPrefixMapOption: {
      std::string why;
      if (!opts.debugPrefixMap.add(optarg, why))
        invalidValue("--debug-prefix-map", why);
      break;
    }
    case VersionOption:
      opts.longVersion = true;
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
      if (optopt == 0 || optopt >= 256)
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
      if (optopt == 0 || optopt >= 256 ||
          (optopt == 1 && startsWith(lastWord(), "--")))
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
  // --version answers alone, as build tools that probe a program expect.
  if (opts.longVersion && opts.good) {
    printVersionBanner(std::cout, "zv-as",
                       "Assembler for the Zorvel processors ZP100 and ZP200.");
    return 0;
  }
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

// Two names of one file where an output must not replace an input; the
// exit status.
int reportSameFile(const std::string &name, const std::string &other) {
  std::cerr << "Error: '" << name
            << "': input and output files must be distinct ('" << other
            << "')\n";
  return 1;
}

// An output goes where a regular file is, or where the directory part
// exists; an exit status, or Continue.
int checkOutputPlace(const std::string &given, const FileStat &output) {
  if (output.isExists()) {
    if (!output.isReg()) {
      std::cerr << "Error: '" << given << "' is not a regular file\n";
      return 1;
    }
    return Continue;
  }
  std::string dir = output.path();
  if (!dir.empty() && !FileStat(dir).isExists()) {
    std::cerr << "Error: can't create '" << given << "': no '" << dir
              << "' directory\n";
    return 1;
  }
  return Continue;
}

// The dependency file's place must be usable, and it may be neither the
// source nor the object.
int checkDependencyFile(const Options &opts, const FileStat &input,
                        const FileStat &output) {
  const std::string &given = opts.dependencyFile;
  FileStat rule(given);
  if (rule.isSameFile(input)) {
    return reportSameFile(given, input.filePath());
  }
  if (rule.isSameFile(output)) {
    std::cerr << "Error: '" << given
              << "': dependency file and object file must be distinct\n";
    return 1;
  }
  return checkOutputPlace(given, rule);
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
    return reportSameFile(given, input.filePath());
  }
  if (int rc = checkOutputPlace(given, output); rc != Continue)
    return rc;
  opts.staleOutput = output.isExists();
  opts.outputName = output.filePath();
  opts.ruleTarget = given;
  return opts.dependencyFile.empty() ? Continue
                                     : checkDependencyFile(opts, input, output);
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

// Whether path is one of the files the run read.
bool isSourceOfRun(const std::string &path,
                   const std::vector<std::string> &sources) {
  for (const std::string &source : sources)
    if (FileStat(path).isSameFile(FileStat(source)))
      return true;
  return false;
}

// Removes an output of this run (or of an earlier one) that a failed run
// must not leave behind.
void removeOutput(const std::string &name) {
  if (std::remove(name.c_str()) != 0 && errno != ENOENT)
    std::cerr << "Error: can't delete '" << name
              << "': " << std::strerror(errno) << "\n";
}

// The rule for the object just written; false after the message.
bool writeDependencyFile(const Options &opts,
                         const std::vector<std::string> &sources) {
  for (const std::string &source : sources)
    if (FileStat(source).isSameFile(FileStat(opts.dependencyFile))) {
      reportSameFile(source, opts.dependencyFile);
      return false;
    }
  DependencyFile rule;
  if (rule.write(opts.dependencyFile, opts.ruleTarget, sources))
    return true;
  std::cerr << "Error: can't write dependency file '" << opts.dependencyFile
            << "': " << rule.getLastError() << "\n";
  return false;
}

// One assembly; returns its error count. A failed run leaves no object and
// no dependency file: a stale one is deleted then, unless it is one of the
// sources. The rule is written only beside a new object.
int assemble(const Options &opts) {
  Parser parser(opts.outputName, opts.includeDirectories, opts.processorCode,
                opts.syntax, opts.debug);
  for (const SymbolDefinition &definition : opts.definitions)
    parser.defineSymbol(definition);
  parser.setDebugPrefixMap(opts.debugPrefixMap);
  parser.getDiagnostics().setStyle(
      MessageStyle::decide(opts.diagnostics, STDERR_FILENO));
  int errors = parser.parse(opts.files.front());
  const bool written = errors == 0;
  if (written && !opts.dependencyFile.empty() &&
      !writeDependencyFile(opts, parser.getFilesRead()))
    errors = 1;
  if (errors == 0)
    return 0;
  if ((written || opts.staleOutput) && !parser.isOutputASource())
    removeOutput(opts.outputName);
  if (!opts.dependencyFile.empty() && FileStat(opts.dependencyFile).isReg() &&
      !isSourceOfRun(opts.dependencyFile, parser.getFilesRead()))
    removeOutput(opts.dependencyFile);
  return errors;
}

// The error count is the exit status; only its low 8 bits survive, so a
// count of 256 must not read as success.
int exitStatus(int errors) { return errors > 255 ? 255 : errors; }

} // namespace

int main(int argc, char **argv) {
  std::set_new_handler(no_memory);
  const std::string prog = argc > 0 && argv[0] ? argv[0] : "zv-as";
  // @file arguments become the file's words before the options are read.
  ResponseFiles arguments;
  if (!arguments.replace(argc, argv)) {
    std::cerr << prog << ": " << arguments.getLastError() << "\n";
    return 1;
  }
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
