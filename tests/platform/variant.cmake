tarvek_add_test(variant_test
    SOURCES ${TEST_DIR}/variant_test.cpp
    LIBS automation
    LABELS platform locale asan)
