# package.cmake - the Debian package of the installed files (cpack -G DEB);
# its Depends line comes from the libraries the programs link dynamically.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zorvel-toolchain)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Zorvel toolchain developers")
set(CPACK_PACKAGE_CONTACT "Zorvel toolchain developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "assembler and linker for the Zorvel processors ZP100 and ZP200")
set(CPACK_PACKAGE_DESCRIPTION
    "zv-as assembles one source file into a relocatable ELF32 object, with
DWARF debugging information on request; zv-ld links objects and ar
archives into an executable image for either processor model.")
set(CPACK_DEBIAN_PACKAGE_SECTION devel)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# dpkg-shlibdeps reads the programs and names the packages of their
# libraries; libdwarf is linked statically and so needs none.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
