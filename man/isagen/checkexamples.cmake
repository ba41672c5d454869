# checkexamples.cmake - assembles the sources that hold the examples of
# zv-isa(7) with zv-as: every example must assemble without a word.
# -DAS=zv-as -DDIR=the directory zv-isa-page wrote them to.
foreach(model ZP100 ZP200)
  foreach(syntax V1 V2)
    set(source ${DIR}/examples-${model}-${syntax}.s)
    execute_process(
      COMMAND ${AS} --arch=${model} --syntax=${syntax}
              -o ${DIR}/examples-${model}-${syntax}.o ${source}
      RESULT_VARIABLE status ERROR_VARIABLE said OUTPUT_VARIABLE printed)
    if(NOT status EQUAL 0 OR NOT said STREQUAL "")
      message(FATAL_ERROR "an example of zv-isa(7) does not assemble "
                          "(${source}):\n${said}")
    endif()
  endforeach()
endforeach()
