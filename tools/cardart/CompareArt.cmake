# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Lumaro developers
# Runs the generator into a scratch folder and fails unless every file it writes matches the
# committed one byte for byte, and nothing committed is left unproduced.
file(REMOVE_RECURSE ${OUT})
execute_process(COMMAND ${GENERATOR} ${OUT} RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "generator failed with ${rc}")
endif()
file(GLOB made RELATIVE ${OUT} ${OUT}/cards/*.png ${OUT}/icons/*)
file(GLOB committed RELATIVE ${COMMITTED} ${COMMITTED}/cards/*.png ${COMMITTED}/icons/*)
list(LENGTH made count)
if(NOT count EQUAL 71)
  message(FATAL_ERROR "generator wrote ${count} files, expected 63 faces, the win icon and "
                      "the program's icon at six sizes and as SVG")
endif()
list(SORT made)
list(SORT committed)
if(NOT made STREQUAL committed)
  message(FATAL_ERROR "file sets differ:\n generated: ${made}\n committed: ${committed}")
endif()
foreach(f ${made})
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUT}/${f} ${COMMITTED}/${f}
                  RESULT_VARIABLE diff)
  if(NOT diff EQUAL 0)
    message(FATAL_ERROR "${f} differs from what the generator draws; run the regenerate_cards target")
  endif()
endforeach()
message(STATUS "all ${count} files reproduced")
