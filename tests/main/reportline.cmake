tarvek_add_test(reportline_test SOURCES ${TEST_DIR}/reportline_test.cpp LIBS tarvek_main_logic tarvek_test_support
    LABELS main locale asan)
