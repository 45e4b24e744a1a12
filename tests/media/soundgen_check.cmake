# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Lumaro developers
# Runs the sound generator into a scratch folder and demands the committed files back,
# byte for byte:  cmake -DGENERATOR=... -DSOURCE=... -DSCRATCH=... -P soundgen_check.cmake
file(REMOVE_RECURSE ${SCRATCH})
file(MAKE_DIRECTORY ${SCRATCH})
execute_process(COMMAND ${GENERATOR} ${SCRATCH} RESULT_VARIABLE status OUTPUT_QUIET)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "soundgen failed: ${status}")
endif()
foreach(name coins.Wav CHIMES.WAV)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${SCRATCH}/${name}
                          ${SOURCE}/resources/sounds/${name} RESULT_VARIABLE differs)
  if(NOT differs EQUAL 0)
    message(FATAL_ERROR "${name}: the committed file is not what soundgen writes")
  endif()
  message(STATUS "${name}: reproduced")
endforeach()
