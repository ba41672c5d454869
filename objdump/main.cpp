// main.cpp - zv-objdump: reads the command line, then shows each file
// named on it as the options ask.
#include "filestat.h"
#include "objdump.h"
#include "responsefile.h"
#include "versionbanner.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <getopt.h>
#include <iostream>
#include <iterator>
#include <new>
#include <string>
#include <vector>

namespace {

const char *const versionBanner = "ZV disassembler version 0.1.0:1";

void no_memory() {
  std::fputs("Fatal error: failed to allocate memory\n", stderr);
  std::fflush(stdout);
  // Nothing more may allocate on the way out, so no destructors run.
  std::_Exit(1);
}

void usage(const std::string &prog, std::ostream &os) {
  os << "Usage: " << prog << " [options] <file ...>\n"
     << "\noptions:\n"
     << "\t-d, --disassemble - list the code of each file: operations, "
        "labels, paragraphs\n"
     << "\t-r, --reloc - with -d, show each relocation under the operation "
        "it patches\n"
     << "\t-S, --show-source - list the code with each operation's source "
        "line above it\n"
     << "\t-l, --line-numbers - list the code with file:line above the "
        "operations of each line\n"
     << "\t--map=FILE - with -d, name an image's labels from the link map "
        "FILE when the image has no debugging information\n"
     << "\t--source - write a source that zv-as assembles into the same "
        "object\n"
     << "\t--rows - show the four processing units of a ZP100 image side "
        "by side, one row per line\n"
     << "\t--syntax=[V1|V2] - write operands in V1/V2 syntax (default: the "
        "model's)\n"
     << "\t-V - print disassembler version number\n"
     << "\t-h, --help - show this message and exit\n"
     << "\nfile - object file or executable image\n";
}

struct Options {
  zvod::ObjDumpOptions dump;
  int help = 0;
  bool version = false;
  bool longVersion = false; // --version
  std::vector<std::string> files;
  std::string map; // --map
  bool valid = true;
};

void optionError(const std::string &prog, const std::string &text,
                 Options &opts) {
  std::cerr << prog << ": " << text << "\n";
  opts.valid = false;
}

void readOptions(int argc, char **argv, const std::string &prog,
                 Options &opts) {
  enum {
    SourceOption = 256,
    RowsOption,
    SyntaxOption,
    MapOption,
    VersionOption
  };
  const option longOptions[] = {
      {"disassemble", no_argument, nullptr, 'd'},
      {"reloc", no_argument, nullptr, 'r'},
      {"source", no_argument, nullptr, SourceOption},
      {"rows", no_argument, nullptr, RowsOption},
      {"syntax", required_argument, nullptr, SyntaxOption},
      {"show-source", no_argument, nullptr, 'S'},
      {"line-numbers", no_argument, nullptr, 'l'},
      {"map", required_argument, nullptr, MapOption},
      {"help", no_argument, &opts.help, 1},
      {"version", no_argument, nullptr, VersionOption},
      {nullptr, 0, nullptr, 0},
  };
  opterr = 0;
  int c;
  while ((c = getopt_long(argc, argv, ":drhVSl", longOptions, nullptr)) != -1) {
    switch (c) {
    case 'd':
      opts.dump.disassemble = true;
      break;
    case 'r':
      opts.dump.relocations = true;
      break;
    case 'S':
      opts.dump.sourceText = true;
      break;
    case 'l':
      opts.dump.lineNumbers = true;
      break;
    case MapOption:
      opts.map = optarg;
      break;
    case SourceOption:
      opts.dump.source = true;
      break;
    case RowsOption:
      opts.dump.rows = true;
      break;
    case SyntaxOption:
      if (std::strcmp(optarg, "V1") == 0)
        opts.dump.syntax = 1;
      else if (std::strcmp(optarg, "V2") == 0)
        opts.dump.syntax = 2;
      else
        optionError(prog,
                    std::string("unrecognized syntax version '") + optarg + "'",
                    opts);
      break;
    case 'h':
      opts.help = 1;
      break;
    case 'V':
      opts.version = true;
      break;
    case VersionOption:
      opts.longVersion = true;
      break;
    case 0:
      break;
    case ':':
      if (optopt == SyntaxOption)
        optionError(prog, "option '--syntax' requires an argument", opts);
      else if (optopt == MapOption)
        optionError(prog, "option '--map' requires an argument", opts);
      else
        optionError(prog,
                    std::string("option '-") + char(optopt) +
                        "' requires an argument",
                    opts);
      break;
    default:
      if (optopt > 0 && optopt < 256)
        optionError(prog,
                    std::string("unrecognized option '-") + char(optopt) + "'",
                    opts);
      else
        optionError(
            prog, std::string("unrecognized option '") + argv[optind - 1] + "'",
            opts);
      break;
    }
  }
  for (int i = optind; i < argc; ++i)
    opts.files.push_back(argv[i]);
}

// The whole file, or false with the message printed.
bool readFile(const std::string &name, std::vector<uint8_t> &bytes) {
  FileStat stat(name);
  if (!stat.isExists()) {
    std::cerr << "Fatal error: " << name
              << ": faild to open file: " << std::strerror(ENOENT) << "\n";
    return false;
  }
  if (!stat.isReg()) {
    std::cerr << "Fatal error: " << name << ": not a regular file\n";
    return false;
  }
  std::ifstream in(name, std::ios::binary);
  if (!in) {
    std::cerr << "Fatal error: " << name
              << ": faild to open file: " << std::strerror(errno) << "\n";
    return false;
  }
  bytes.assign(std::istreambuf_iterator<char>(in),
               std::istreambuf_iterator<char>());
  if (in.bad()) {
    std::cerr << "Fatal error: " << name << ": faild to read file\n";
    return false;
  }
  return true;
}

} // namespace

int main(int argc, char **argv) {
  std::set_new_handler(no_memory);
  const std::string prog = argc > 0 && argv[0] ? argv[0] : "zv-objdump";
  // @file arguments become the file's words before the options are read.
  ResponseFiles arguments;
  if (!arguments.replace(argc, argv)) {
    std::cerr << prog << ": " << arguments.getLastError() << "\n";
    return 1;
  }
  if (argc <= 1) {
    usage(prog, std::cerr);
    return 1;
  }
  Options opts;
  readOptions(argc, argv, prog, opts);
  // --version answers alone, as build tools that probe a program expect.
  if (opts.longVersion && opts.valid) {
    printVersionBanner(std::cout, "zv-objdump",
                       "Disassembler for the Zorvel processors ZP100 and "
                       "ZP200.");
    return 0;
  }
  if (opts.version)
    std::cout << versionBanner << "\n";
  if (opts.help) {
    usage(prog, std::cout);
    return 0;
  }
  if (opts.version && opts.files.empty() && opts.valid)
    return 0;
  // Source lines are a listing's: -S and -l list the code.
  if (opts.dump.sourceText || opts.dump.lineNumbers)
    opts.dump.disassemble = true;
  const zvod::ObjDumpOptions &d = opts.dump;
  if (opts.valid && d.source && (d.disassemble || d.rows))
    optionError(prog, "'--source' goes with neither '-d' nor '--rows'", opts);
  if (opts.valid && !d.source && !d.disassemble && !d.rows)
    optionError(prog, "no action specified: use -d, --rows or --source", opts);
  if (opts.valid && opts.files.empty())
    optionError(prog, "no file specified", opts);
  if (!opts.valid) {
    usage(prog, std::cerr);
    return 1;
  }

  std::string map;
  if (!opts.map.empty()) {
    std::vector<uint8_t> bytes;
    if (!readFile(opts.map, bytes))
      return 1;
    map.assign(bytes.begin(), bytes.end());
    opts.dump.map = &map;
    opts.dump.mapName = opts.map;
  }

  int errors = 0;
  for (const std::string &name : opts.files) {
    std::vector<uint8_t> bytes;
    if (!readFile(name, bytes)) {
      ++errors;
      continue;
    }
    zvod::ObjDump dump(d);
    if (!dump.run(name, bytes.data(), bytes.size(), std::cout, std::cerr)) {
      std::cerr << "Fatal error: " << name << ": " << dump.getLastError()
                << "\n";
      ++errors;
    }
  }
  std::cout.flush();
  // The count of errors is the status; 256 of them must not read as 0.
  return errors > 255 ? 255 : errors;
}
