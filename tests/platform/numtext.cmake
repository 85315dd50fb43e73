tarvek_add_test(numtext_test
    SOURCES ${TEST_DIR}/NumberTextTest.cpp
    LIBS numtext tarvek_test_support
    LABELS platform locale asan)
