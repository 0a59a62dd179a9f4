# docs/indicators.md must be exactly what the generator writes from the current registry.
execute_process(COMMAND ${TOOL} ${OUT} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "indicator_table failed (${status})")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUT} ${DOC} RESULT_VARIABLE differs)
if(NOT differs EQUAL 0)
  message(FATAL_ERROR "docs/indicators.md is stale (the registry gives ${OUT}); regenerate it with\n"
                      "  cmake --build build/tests --target indicator_table_doc\nand commit it.")
endif()
