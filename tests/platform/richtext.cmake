tarvek_add_test(richtext_test
    SOURCES ${TEST_DIR}/richtext_test.cpp
    LIBS richtext Qt6::Gui
    LABELS platform asan
    OWN_MAIN)
tarvek_add_fuzzer(fuzz_rtf
    SOURCES ${TEST_DIR}/richtext_fuzz.cpp
    LIBS richtext Qt6::Gui)
