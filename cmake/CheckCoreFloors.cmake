# Fails when a file of core includes a header of a floor above its own, or sits in a folder
# that is no floor. Run as a test:
#   cmake -DCORE_DIR=src/core "-DFLOORS=base;tables;..." -P CheckCoreFloors.cmake
# FLOORS lists the floors bottom to top; an include may point to its own floor or any below.
cmake_minimum_required(VERSION 3.25)
get_filename_component(CORE_DIR "${CORE_DIR}" ABSOLUTE)

set(climbs "")
file(GLOB entries LIST_DIRECTORIES true RELATIVE "${CORE_DIR}" "${CORE_DIR}/*")
foreach(entry IN LISTS entries)
  if(IS_DIRECTORY "${CORE_DIR}/${entry}" AND NOT entry IN_LIST FLOORS)
    list(APPEND climbs "src/core/${entry}/ is no floor: give it its place in the list of floors")
  endif()
endforeach()

set(checked 0)
foreach(floor IN LISTS FLOORS)
  list(FIND FLOORS "${floor}" floor_rank)
  file(GLOB_RECURSE files RELATIVE "${CORE_DIR}" "${CORE_DIR}/${floor}/*.h"
       "${CORE_DIR}/${floor}/*.cc" "${CORE_DIR}/${floor}/*.in")
  foreach(file IN LISTS files)
    math(EXPR checked "${checked} + 1")
    file(STRINGS "${CORE_DIR}/${file}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"core/")
    foreach(line IN LISTS includes)
      string(REGEX REPLACE "^[^\"]*\"core/([^/\"]*)/?.*$" "\\1" target "${line}")
      list(FIND FLOORS "${target}" target_rank)
      if(target_rank EQUAL -1 AND NOT target STREQUAL "")
        list(APPEND climbs "src/core/${file}: ${line}: core/${target} is no floor")
      elseif(target_rank GREATER floor_rank)
        list(APPEND climbs "src/core/${file}: ${line}: ${floor} stands below ${target}")
      endif()
    endforeach()
  endforeach()
endforeach()

if(climbs)
  list(JOIN climbs "\n" text)
  message(FATAL_ERROR "Includes that climb a floor of core:\n${text}")
endif()
list(JOIN FLOORS " < " order)
message(STATUS "core floors ${order}: ${checked} files, no include climbs")
