tarvek_add_test(classstore_test
    SOURCES ${TEST_DIR}/classstore_test.cpp
    LIBS automation_com tarvek_test_support
    LABELS platform asan)
