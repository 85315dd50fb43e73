# Real copies of the program over settings folders of their own, started by the test executable
# itself as its children: an unwritable config folder, a registration killed midway, a busy archive.
tarvek_add_test(graphs_processes_test
    SOURCES ${TEST_DIR}/processes_test.cpp
    LIBS tarvek_main tarvek_test_support Qt6::Sql
    LABELS graphs gui asan
    OWN_MAIN)
add_dependencies(graphs_processes_test zent)
