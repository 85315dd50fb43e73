tarvek_add_bench(bench_program SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/program.cpp LIBS tarvek_main OWN_MAIN)
