# Real copies of the program at once, started by the test executable itself as its children.
tarvek_add_test(templog_processes_test
    SOURCES ${TEST_DIR}/templog_processes_test.cpp
    LIBS tarvek_main tarvek_test_support
    LABELS main gui asan
    OWN_MAIN)
