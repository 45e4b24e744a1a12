# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Lumaro developers
# Fails when a file under DIR includes anything but the standard library or its own headers.
file(GLOB_RECURSE sources ${DIR}/*.h ${DIR}/*.cpp)
foreach(f ${sources})
  file(STRINGS ${f} includes REGEX "^[ \t]*#[ \t]*include")
  foreach(line ${includes})
    if(line MATCHES "#[ \t]*include[ \t]*\"([^\"]+)\"")
      if(NOT EXISTS ${DIR}/${CMAKE_MATCH_1})
        message(FATAL_ERROR "${f}: includes ${CMAKE_MATCH_1}, which is not an engine header")
      endif()
    elseif(line MATCHES "#[ \t]*include[ \t]*<([^>]+)>")
      if(CMAKE_MATCH_1 MATCHES "[./]" OR CMAKE_MATCH_1 MATCHES "^(Q|SDL)")
        message(FATAL_ERROR "${f}: includes <${CMAKE_MATCH_1}>, which is not a standard header")
      endif()
    endif()
  endforeach()
endforeach()
