# CMakeTestZVASMCompiler.cmake - proves once per build tree that zv-as
# assembles for the chosen model and zv-ld links what it made.

if(NOT CMAKE_ZVASM_COMPILER_WORKS)
  message(CHECK_START "Check for working ZVASM compiler: ${CMAKE_ZVASM_COMPILER}")
  set(_zvasm_dir ${CMAKE_PLATFORM_INFO_DIR}/CMakeScratch/ZVASM)
  file(MAKE_DIRECTORY ${_zvasm_dir})
  file(WRITE ${_zvasm_dir}/test.s
       "        .text\n        .globl start\nstart:  jmp start\n        complete\n")
  execute_process(
    COMMAND "${CMAKE_ZVASM_COMPILER}" --arch=${ZORVEL_MODEL}
            -o ${_zvasm_dir}/test.o ${_zvasm_dir}/test.s
    RESULT_VARIABLE _zvasm_as OUTPUT_VARIABLE _zvasm_out
    ERROR_VARIABLE _zvasm_out)
  if(_zvasm_as EQUAL 0)
    execute_process(
      COMMAND "${CMAKE_ZVASM_LINKER}" -e start -o ${_zvasm_dir}/test.bin
              ${_zvasm_dir}/test.o
      RESULT_VARIABLE _zvasm_ld OUTPUT_VARIABLE _zvasm_out
      ERROR_VARIABLE _zvasm_out)
  endif()
  if(NOT _zvasm_as EQUAL 0 OR NOT _zvasm_ld EQUAL 0)
    message(CHECK_FAIL "broken")
    message(FATAL_ERROR "The Zorvel toolchain cannot build a program for "
                        "${ZORVEL_MODEL}:\n${_zvasm_out}")
  endif()
  message(CHECK_PASS "works")
  set(CMAKE_ZVASM_COMPILER_WORKS 1 CACHE INTERNAL "")
  file(REMOVE_RECURSE ${_zvasm_dir})
  unset(_zvasm_dir)
  unset(_zvasm_as)
  unset(_zvasm_ld)
  unset(_zvasm_out)
endif()
