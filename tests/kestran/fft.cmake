# The engine's build adds the FFT routines; until it does, build them here so their tests run.
if(NOT TARGET kestran_fft)
    add_subdirectory(${PROJECT_SOURCE_DIR}/kestran/fft ${CMAKE_BINARY_DIR}/kestran/fft)
endif()
tarvek_add_test(fft_test
    SOURCES ${TEST_DIR}/fft_test.cpp
    LIBS kestran_fft
    LABELS asan)
