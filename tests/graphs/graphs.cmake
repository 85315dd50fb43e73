tarvek_add_test(graphs_curve_test
    SOURCES ${TEST_DIR}/curve_test.cpp ${TEST_DIR}/validation_test.cpp
    LIBS graphs
    LABELS graphs locale asan)
tarvek_add_test(graphs_builder_test
    SOURCES ${TEST_DIR}/loss_builder_test.cpp ${TEST_DIR}/field_strength_builder_test.cpp
    LIBS graphs tarvek_test_support
    LABELS graphs locale asan)
tarvek_add_test(graphs_archive_test
    SOURCES ${TEST_DIR}/archive_test.cpp
    LIBS graphs tarvek_test_support Qt6::Core Qt6::Sql
    LABELS graphs locale asan
    OWN_MAIN)
tarvek_add_test(graphs_chartstate_test
    SOURCES ${TEST_DIR}/chart_description_test.cpp
    LIBS chartstate_description
    LABELS graphs locale asan)
