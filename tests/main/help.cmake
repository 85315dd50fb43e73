find_package(Qt6 REQUIRED COMPONENTS Test)
tarvek_add_test(help_test SOURCES ${TEST_DIR}/help.cpp LIBS tarvek_main Qt6::Test LABELS gui asan GUI)
