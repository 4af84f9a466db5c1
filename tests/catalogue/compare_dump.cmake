# Compares the catalogue_dump output with the reviewed snapshot: an edit of
# the table has to be made in catalogue.tsv as well, on purpose.
#   cmake -DDUMP=<catalogue_dump> -DEXPECTED=<catalogue.tsv> -DACTUAL=<scratch file> -P compare_dump.cmake
execute_process(COMMAND "${DUMP}" OUTPUT_FILE "${ACTUAL}" RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "catalogue_dump failed: ${rc}")
endif()
execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${EXPECTED}" "${ACTUAL}" RESULT_VARIABLE differs)
if(differs)
  execute_process(COMMAND diff -u "${EXPECTED}" "${ACTUAL}")
  message(FATAL_ERROR "The catalogue differs from ${EXPECTED} (update it with: catalogue_dump > catalogue.tsv)")
endif()
