tarvek_add_test(settings_test
    SOURCES ${TEST_DIR}/settings_test.cpp
    LIBS settings tarvek_test_support Qt6::Core
    LABELS platform)
tarvek_add_fuzzer(fuzz_settings
    SOURCES ${TEST_DIR}/settings_fuzz.cpp
    LIBS settings Qt6::Core)
target_compile_definitions(settings_test PRIVATE INI_WRITER="$<TARGET_FILE:ini_writer>")
add_dependencies(settings_test ini_writer)
