tarvek_add_bench(bench_measured SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/measured.cpp LIBS models tarvek_bench_memory)
