# The graph windows over a running main window, with the chart control loaded by ProgID from the
# build's own libzent.so.
find_package(Qt6 REQUIRED COMPONENTS Test)
tarvek_add_test(graphs_window_test
    SOURCES ${TEST_DIR}/window_fixture.cpp ${TEST_DIR}/window_loss_test.cpp
            ${TEST_DIR}/window_field_strength_test.cpp ${TEST_DIR}/window_print_test.cpp
            ${TEST_DIR}/window_registration_test.cpp ${TEST_DIR}/window_chart_state_test.cpp
            ${TEST_DIR}/window_menus_test.cpp ${TEST_DIR}/window_layout_test.cpp
            ${TEST_DIR}/window_desktop_test.cpp
    LIBS mainform_fixture zent Qt6::Test
    LABELS graphs gui asan
    GUI)
add_dependencies(graphs_window_test zent)
