tarvek_add_bench(bench_kestran SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/kestran.cpp ${CMAKE_CURRENT_SOURCE_DIR}/Scene.cpp
    LIBS kestran GUI)
