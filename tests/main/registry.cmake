# Python's configparser reads the settings file as any INI reader would.
tarvek_add_test(registry_test SOURCES ${TEST_DIR}/registry_test.cpp LIBS tarvek_main tarvek_test_support
    LABELS main locale)
tarvek_add_test(registry_load_measured_test SOURCES ${TEST_DIR}/registry_load_measured_test.cpp
    LIBS tarvek_main LABELS main asan)
