tarvek_add_bench(bench_rangereport SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/rangereport.cpp LIBS tarvek_main GUI)
