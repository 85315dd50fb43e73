tarvek_add_bench(bench_models SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/models.cpp LIBS models)
