# CMakeDetermineZVASMCompiler.cmake - finds zv-as for the ZVASM language,
# and zv-ld and ar beside it, and records them for the later runs of CMake.

if(NOT CMAKE_ZVASM_COMPILER)
  if(NOT "$ENV{ZVASM}" STREQUAL "")
    set(CMAKE_ZVASM_COMPILER "$ENV{ZVASM}")
  else()
    # The programs of the prefix this module was installed with come first.
    find_program(CMAKE_ZVASM_COMPILER NAMES zv-as
                 HINTS "${CMAKE_CURRENT_LIST_DIR}/../../../bin"
                 DOC "The Zorvel assembler")
  endif()
endif()
if(NOT CMAKE_ZVASM_COMPILER OR NOT EXISTS "${CMAKE_ZVASM_COMPILER}")
  message(FATAL_ERROR "The Zorvel assembler zv-as was not found: put it on "
                      "PATH or set CMAKE_ZVASM_COMPILER.")
endif()
set(CMAKE_ZVASM_COMPILER "${CMAKE_ZVASM_COMPILER}" CACHE FILEPATH
    "The Zorvel assembler")
mark_as_advanced(CMAKE_ZVASM_COMPILER)

# The linker of the same installation.
get_filename_component(_zvasm_bin "${CMAKE_ZVASM_COMPILER}" DIRECTORY)
if(NOT CMAKE_ZVASM_LINKER)
  find_program(CMAKE_ZVASM_LINKER NAMES zv-ld HINTS "${_zvasm_bin}"
               DOC "The Zorvel linker")
endif()
if(NOT CMAKE_ZVASM_LINKER)
  message(FATAL_ERROR "The Zorvel linker zv-ld was not found beside "
                      "${CMAKE_ZVASM_COMPILER} or on PATH.")
endif()
mark_as_advanced(CMAKE_ZVASM_LINKER)
if(NOT CMAKE_AR)
  find_program(CMAKE_AR NAMES ar DOC "The archiver")
endif()
unset(_zvasm_bin)

# "zv-as (Zorvel toolchain) X.Y.Z" names the compiler and its version.
execute_process(COMMAND "${CMAKE_ZVASM_COMPILER}" --version
                OUTPUT_VARIABLE _zvasm_banner ERROR_QUIET
                RESULT_VARIABLE _zvasm_status)
if(NOT _zvasm_status EQUAL 0 OR
   NOT _zvasm_banner MATCHES "\\(Zorvel toolchain\\) ([0-9]+\\.[0-9]+\\.[0-9]+)")
  message(FATAL_ERROR "${CMAKE_ZVASM_COMPILER} is not the Zorvel assembler: "
                      "its --version says\n${_zvasm_banner}")
endif()
set(CMAKE_ZVASM_COMPILER_ID Zorvel)
set(CMAKE_ZVASM_COMPILER_VERSION "${CMAKE_MATCH_1}")
message(STATUS "The ZVASM compiler identification is Zorvel "
               "${CMAKE_ZVASM_COMPILER_VERSION}")
unset(_zvasm_banner)
unset(_zvasm_status)

configure_file(${CMAKE_CURRENT_LIST_DIR}/CMakeZVASMCompiler.cmake.in
               ${CMAKE_PLATFORM_INFO_DIR}/CMakeZVASMCompiler.cmake @ONLY)
set(CMAKE_ZVASM_COMPILER_ENV_VAR "ZVASM")
