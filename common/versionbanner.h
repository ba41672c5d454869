// versionbanner.h - what --version prints: the program, the toolchain and
// its version on the first line, as build tools expect to read it.
#ifndef ZV_COMMON_VERSIONBANNER_H
#define ZV_COMMON_VERSIONBANNER_H

#include <ostream>

// Writes "<program> (Zorvel toolchain) X.Y.Z" and a line saying what the
// program is.
void printVersionBanner(std::ostream &os, const char *program,
                        const char *description);

#endif
