# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Lumaro developers
# Runs the installed-style binary the way a player would and checks exit codes and output.
# -DTOOL=<path to lumaro-analyze> -DWORK=<scratch folder>
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
set(ENV{XDG_CONFIG_HOME} ${WORK})

function(expect code stdout_regex stderr_regex)
  execute_process(COMMAND ${TOOL} ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL code)
    message(FATAL_ERROR "${ARGN}: exit ${rc}, expected ${code}\n${err}")
  endif()
  if(NOT out MATCHES "${stdout_regex}")
    message(FATAL_ERROR "${ARGN}: unexpected output:\n${out}")
  endif()
  if(NOT err MATCHES "${stderr_regex}")
    message(FATAL_ERROR "${ARGN}: unexpected error output:\n${err}")
  endif()
endfunction()

expect(0 "^Usage: lumaro-analyze" "^$" --help)
expect(2 "^$" "^lumaro-analyze: bad card 'QQ'[^\n]*\n$" advise "AS KH TD 2C QQ")
expect(2 "^$" "^lumaro-analyze: duplicated card KH\n$" advise "AS KH TD 2C kh")
expect(2 "^$" "^lumaro-analyze: expected five cards, got 3\n$" advise "AS KH TD")
expect(2 "^$" "^lumaro-analyze: malformed pay table[^\n]*\n$" return --paytable "1,2")
expect(2 "^$" "^lumaro-analyze: unknown game 'poker'[^\n]*\n$" return --game poker)
expect(2 "^$" "^lumaro-analyze: bad --pays '1,2'[^\n]*\n$" return --game bonus --pays "1,2")
expect(0 "Return under optimal play: 100.7620%" "^$" return --game deuces-wild)
expect(0 "^\\{\"game\":\"joker-poker\",[^\n]*\"return\":100.6462" "^$"
       return --game joker-poker --json)
expect(0 "\\(game defaults, no [^\n]*Quorvel.ini\\)\nPlayer has Won 0 hands and Lost 1 Total Pairs =0\n \nFinal total: 995\n$" "^$"
       simulate --seed 0 --hands 1 --strategy all)
# Looking at the odds leaves no settings file behind.
if(EXISTS ${WORK}/Quorvel.ini)
  message(FATAL_ERROR "lumaro-analyze created ${WORK}/Quorvel.ini")
endif()
file(WRITE ${WORK}/Quorvel.ini "[Payouts]\nH9=799\nH8=49\nH7=24\nH6=8\nH5=5\n")
expect(0 "Return under optimal play: 99.5439%" "^$" return)
# The player's table from Quorvel.ini, and a bankroll that is no whole number of bets.
expect(0 "Chance of ruin within 1600 hands: 8.15%" "^$" risk --bankroll 160 --hands 1600)
expect(2 "^$" "^lumaro-analyze: bad --bankroll '-3'[^\n]*\n$" risk --bankroll -3 --hands 1600)

# A file-size limit (ulimit -f) on the output: the write that passes it fails, and the run
# says so and exits 1, as on a full disk, instead of being killed by SIGXFSZ.
execute_process(COMMAND prlimit --fsize=1000 ${TOOL} simulate --seed 0 --hands 1000 --json
                RESULT_VARIABLE rc OUTPUT_FILE ${WORK}/hands.json ERROR_VARIABLE err)
if(NOT rc STREQUAL "1" OR NOT err STREQUAL "lumaro-analyze: could not write the output\n")
  message(FATAL_ERROR "simulate under a 1000-byte file limit: exit '${rc}', expected 1\n${err}")
endif()
