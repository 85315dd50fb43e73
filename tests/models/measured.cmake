# The reader is built from its own files, so its tests and fuzzer need nothing else of the models.
set(measured_sources ${PROJECT_SOURCE_DIR}/program/models/Measured.cpp
    ${PROJECT_SOURCE_DIR}/program/models/MeasuredItems.cpp)
tarvek_add_test(measured_test
    SOURCES ${TEST_DIR}/measured_test.cpp ${measured_sources}
    LABELS models asan)
target_include_directories(measured_test PRIVATE ${PROJECT_SOURCE_DIR}/program/models)
tarvek_add_fuzzer(fuzz_measured SOURCES ${TEST_DIR}/measured_fuzz.cpp ${measured_sources})
if(TARGET fuzz_measured)
    target_include_directories(fuzz_measured PRIVATE ${PROJECT_SOURCE_DIR}/program/models)
endif()
