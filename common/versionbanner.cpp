// versionbanner.cpp - the --version banner of the three programs, with the
// version the build wrote into zv_version.h.
#include "versionbanner.h"

#include "zv_version.h"

void printVersionBanner(std::ostream &os, const char *program,
                        const char *description) {
  os << program << " (Zorvel toolchain) " << ZV_TOOLCHAIN_VERSION << "\n"
     << description << "\n";
}
