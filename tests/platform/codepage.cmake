tarvek_add_test(codepage_test
    SOURCES ${TEST_DIR}/codepage_test.cpp
    LIBS codepage
    LABELS platform asan)
