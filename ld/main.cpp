// main.cpp - zv-ld: reads the command line and runs one link.
#include "codegeneration.h"
#include "responsefile.h"
#include "versionbanner.h"

#include <cstdio>
#include <cstdlib>
#include <getopt.h>
#include <iostream>
#include <new>
#include <string>
#include <vector>

namespace {

void no_memory() {
  std::fputs("Fatal error: failed to allocate memory\n", stderr);
  std::fflush(stdout);
  // Nothing more may allocate on the way out, so no destructors run.
  std::_Exit(1);
}

void usage(const char *prog) {
  std::cerr
      << "Usage: " << prog << " [options] <file ...>\n"
      << "\noptions:\n"
      << "\t-l, --library=namespec - add the archive file specified by "
         "namespec to the list of files to link\n"
      << "\t-L, --library-path=searchdir - add path searchdir to the list of "
         "paths that ld will search for archive libraries\n"
      << "\t-e, --entry=entry_point - use entry_point as the explicit symbol "
         "for beginning execution of program\n"
      << "\t-o, --output=FILE - set output file name\n"
      << "\t-M, --print-map - print a link map to the standard output\n"
      << "\t-V - print linker version number\n"
      << "\t-h, --help - show this message and exit\n"
      << "\nfile - object file\n";
}

// Long options without a short letter.
enum { VersionOption = 256 };

struct Options {
  int printMap = 0;
  int help = 0;
  bool version = false;
  bool longVersion = false; // --version
  std::string output;
  std::string entry;
  std::vector<std::string> libraries;
  std::vector<std::string> searchDirectories{"."};
  std::vector<std::string> inputs;
  bool valid = true;
};

void readOptions(int argc, char **argv, Options &opts) {
  const char *prog = argv[0];
  const option longOptions[] = {
      {"library", required_argument, nullptr, 'l'},
      {"library-path", required_argument, nullptr, 'L'},
      {"output", required_argument, nullptr, 'o'},
      {"entry", required_argument, nullptr, 'e'},
      {"print-map", no_argument, &opts.printMap, 1},
      {"help", no_argument, &opts.help, 1},
      {"version", no_argument, nullptr, VersionOption},
      {nullptr, 0, nullptr, 0},
  };
  opterr = 0;
  int c;
  while ((c = getopt_long(argc, argv, ":l:L:o:-e:MhV", longOptions, nullptr)) !=
         -1) {
    switch (c) {
    case 'l':
      opts.libraries.push_back(optarg);
      break;
    case 'L':
      opts.searchDirectories.push_back(optarg);
      break;
    case 'o':
      if (!opts.output.empty()) {
        std::cerr << prog << ": reuse '-o' option\n";
        opts.valid = false;
      } else {
        opts.output = optarg;
      }
      break;
    case 'e':
      if (!opts.entry.empty()) {
        std::cerr << prog << ": reuse '-e' option\n";
        opts.valid = false;
      } else {
        opts.entry = optarg;
      }
      break;
    case 'M':
      opts.printMap = 1;
      break;
    case 'V':
      opts.version = true;
      break;
    case 'h':
      opts.help = 1;
      break;
    case VersionOption:
      opts.longVersion = true;
      break;
    case ':':
      std::cerr << prog << ": option '-" << char(optopt)
                << "' requires an argument\n";
      opts.valid = false;
      break;
    case '?':
      if (optopt > 0 && optopt < 256)
        std::cerr << prog << ": unrecognized option '-" << char(optopt)
                  << "'\n";
      else
        std::cerr << prog << ": unrecognized option '" << argv[optind - 1]
                  << "'\n";
      opts.valid = false;
      break;
    default:
      break;
    }
  }
  for (int i = optind; i < argc; ++i)
    opts.inputs.push_back(argv[i]);
}

} // namespace

int main(int argc, char **argv) {
  std::set_new_handler(no_memory);
  // @file arguments become the file's words before the options are read.
  ResponseFiles arguments;
  const char *prog = argc > 0 ? argv[0] : "zv-ld";
  if (!arguments.replace(argc, argv)) {
    std::cerr << prog << ": " << arguments.getLastError() << "\n";
    return 1;
  }
  if (argc <= 1) {
    usage(argc > 0 ? argv[0] : "zv-ld");
    return 1;
  }
  Options opts;
  readOptions(argc, argv, opts);
  // --version answers alone, as build tools that probe a program expect.
  if (opts.longVersion && opts.valid) {
    printVersionBanner(std::cout, "zv-ld",
                       "Linker for the Zorvel processors ZP100 and ZP200.");
    return 0;
  }
  if (opts.version) {
    std::cerr << "ZV linker version 0.5.9:47\n";
    if (opts.help) {
      usage(argv[0]);
      return 0;
    }
    if (opts.inputs.empty())
      return 0;
  } else if (opts.help) {
    usage(argv[0]);
    return 0;
  }
  if (!opts.valid || opts.inputs.empty()) {
    usage(argv[0]);
    return 1;
  }
  if (opts.output.empty())
    opts.output = "image.bin";

  zvld::CodeGeneration cg(opts.inputs, opts.output, opts.libraries,
                          opts.searchDirectories);
  if (opts.printMap)
    cg.setPrintMapFlag(true);
  if (!opts.entry.empty())
    cg.setEntryPoint(opts.entry);
  int errors = cg.generateCode();
  // The count of errors is the status; 256 of them must not read as 0.
  return errors > 255 ? 255 : errors;
}
