# CMakeZVASMInformation.cmake - how the ZVASM language builds: objects from
# zv-as with a dependency file each, archives from ar, images from zv-ld.

# The processor model: set before project(), on the command line, or by
# one of the toolchain files beside this module.
if(NOT ZORVEL_MODEL MATCHES "^(ZP100|ZP200)$")
  message(FATAL_ERROR "ZORVEL_MODEL is '${ZORVEL_MODEL}': set it to ZP100 or "
                      "ZP200, or use a toolchain file Zorvel-<model>.cmake.")
endif()

set(CMAKE_ZVASM_OUTPUT_EXTENSION .o)
set(CMAKE_INCLUDE_FLAG_ZVASM "-I ")
set(CMAKE_ZVASM_DEFINE_FLAG "--defsym ")

include(CMakeInitializeConfigs)
set(CMAKE_ZVASM_FLAGS_INIT "$ENV{ZVASMFLAGS} ${CMAKE_ZVASM_FLAGS_INIT}")
set(CMAKE_ZVASM_FLAGS_DEBUG_INIT "-g")
set(CMAKE_ZVASM_FLAGS_RELWITHDEBINFO_INIT "-g")
set(CMAKE_ZVASM_FLAGS_RELEASE_INIT "")
set(CMAKE_ZVASM_FLAGS_MINSIZEREL_INIT "")
cmake_initialize_per_config_variable(CMAKE_ZVASM_FLAGS
                                     "Flags used by the Zorvel assembler")

# Every object comes with the make rule of the files it was made from,
# which both the Ninja and the Makefile generators read.
set(CMAKE_DEPFILE_FLAGS_ZVASM "--MD <DEP_FILE>")
set(CMAKE_ZVASM_DEPFILE_FORMAT gcc)
set(CMAKE_ZVASM_DEPENDS_USE_COMPILER TRUE)
set(CMAKE_NINJA_DEPTYPE_ZVASM gcc)

set(CMAKE_ZVASM_COMPILE_OBJECT
    "<CMAKE_ZVASM_COMPILER> --arch=${ZORVEL_MODEL} <DEFINES> <INCLUDES> <FLAGS> -o <OBJECT> <SOURCE>")
set(CMAKE_ZVASM_CREATE_STATIC_LIBRARY
    "<CMAKE_AR> rcs <TARGET> <LINK_FLAGS> <OBJECTS>")
# zv-ld takes archives through -L and -l; ZorvelLink.cmake gives it the
# libraries CMake names by their paths in that form.
set(CMAKE_ZVASM_LINK_EXECUTABLE
    "<CMAKE_COMMAND> \"-DZV_LD=${CMAKE_ZVASM_LINKER}\" -P \"${CMAKE_CURRENT_LIST_DIR}/ZorvelLink.cmake\" -- <LINK_FLAGS> -o <TARGET> <OBJECTS> <LINK_LIBRARIES>")
set(CMAKE_ZVASM_RESPONSE_FILE_LINK_FLAG "@")

set(CMAKE_ZVASM_INFORMATION_LOADED 1)
