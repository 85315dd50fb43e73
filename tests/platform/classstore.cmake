tarvek_add_test(classstore_test
    SOURCES ${TEST_DIR}/classstore_test.cpp
    LIBS automation_com tarvek_test_support
    LABELS platform asan)
target_compile_definitions(classstore_test PRIVATE INI_WRITER="$<TARGET_FILE:ini_writer>")
add_dependencies(classstore_test ini_writer)
