tarvek_add_test(report_test SOURCES ${TEST_DIR}/report_test.cpp LIBS tarvek_main LABELS gui asan GUI)
