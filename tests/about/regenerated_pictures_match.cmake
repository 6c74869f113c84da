# Runs the picture generator into an empty folder and compares every file with the one kept in
# the source tree, both ways, so the pixel grids and the committed pictures cannot drift apart.
# -DPYTHON=... -DRESOURCES=<source folder of the pictures> -DWORK=<scratch folder>
cmake_minimum_required(VERSION 3.25)
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
execute_process(COMMAND "${PYTHON}" "${RESOURCES}/make_pictures.py" "${WORK}"
                RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "make_pictures.py failed: ${result}")
endif()

file(GLOB_RECURSE generated RELATIVE "${WORK}" "${WORK}/*")
file(GLOB_RECURSE kept RELATIVE "${RESOURCES}"
     "${RESOURCES}/*.ico" "${RESOURCES}/*.png")
list(LENGTH generated count)
if(count EQUAL 0)
    message(FATAL_ERROR "make_pictures.py wrote nothing")
endif()

set(problems "")
foreach(name IN LISTS generated)
    if(NOT EXISTS "${RESOURCES}/${name}")
        string(APPEND problems "\n  ${name}: generated but not kept in the source tree")
        continue()
    endif()
    execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files
                    "${WORK}/${name}" "${RESOURCES}/${name}" RESULT_VARIABLE differ)
    if(NOT differ EQUAL 0)
        string(APPEND problems "\n  ${name}: differs from what the art gives")
    endif()
endforeach()
foreach(name IN LISTS kept)
    if(NOT name IN_LIST generated)
        string(APPEND problems "\n  ${name}: kept but no longer generated")
    endif()
endforeach()
if(problems)
    message(FATAL_ERROR "Pictures out of date (run resources/make_pictures.py):${problems}")
endif()
message(STATUS "${count} pictures match their art")
