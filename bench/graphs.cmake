tarvek_add_bench(bench_graphs SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/graphs.cpp LIBS graphs tarvek_test_support)
