tarvek_add_test(files_test SOURCES ${TEST_DIR}/files_test.cpp LIBS atomicfile Qt6::Core LABELS asan)
