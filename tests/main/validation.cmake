tarvek_add_test(validation_test
    SOURCES ${TEST_DIR}/validation_test.cpp
    LIBS tarvek_main_logic
    LABELS main locale asan)
