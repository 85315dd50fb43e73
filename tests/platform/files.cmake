tarvek_add_test(files_test SOURCES ${TEST_DIR}/files_test.cpp LIBS atomicfile tarvek_test_support Qt6::Core LABELS asan)
