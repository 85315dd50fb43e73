tarvek_add_bench(bench_zent SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/zent.cpp LIBS zent tarvek_bench_memory GUI)
