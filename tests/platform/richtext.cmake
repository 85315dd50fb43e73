tarvek_add_test(richtext_test
    SOURCES ${TEST_DIR}/richtext_test.cpp
    LIBS richtext tarvek_test_support Qt6::Gui
    LABELS platform asan
    GUI)
tarvek_add_fuzzer(fuzz_rtf
    SOURCES ${TEST_DIR}/richtext_fuzz.cpp
    LIBS richtext Qt6::Gui)
# The fuzzer's seed files are also real files of our writer and of a word processor.
target_compile_definitions(richtext_test PRIVATE RTF_SAMPLES="${CMAKE_SOURCE_DIR}/tests/corpus/fuzz_rtf")
