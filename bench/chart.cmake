tarvek_add_bench(bench_chart SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/chart.cpp LIBS chartmodel)
