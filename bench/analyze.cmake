# lumaro-analyze speed: exact return with table building, advice per hand, simulation.
add_executable(analyze_bench ${CMAKE_CURRENT_LIST_DIR}/analyze_bench.cpp)
target_link_libraries(analyze_bench PRIVATE analyze benchmark::benchmark)
