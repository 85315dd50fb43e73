tarvek_add_test(numtext_test
    SOURCES ${TEST_DIR}/NumberTextTest.cpp
    LIBS numtext
    LABELS platform locale asan)
