find_package(Qt6 REQUIRED COMPONENTS Test)
tarvek_add_test(report_test
    SOURCES ${TEST_DIR}/report_test.cpp ${TEST_DIR}/report_window_test.cpp ${TEST_DIR}/report_view_test.cpp
            ${TEST_DIR}/report_fixture.cpp
    LIBS tarvek_main tarvek_test_support Qt6::Test LABELS gui asan GUI)
# The RTF fuzzer's seed files read into the log.
target_compile_definitions(report_test PRIVATE RTF_SAMPLES="${CMAKE_SOURCE_DIR}/tests/corpus/fuzz_rtf")
