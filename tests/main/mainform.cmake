tarvek_add_test(mainform_test
    SOURCES ${TEST_DIR}/mainform_test.cpp ${TEST_DIR}/mainform_fixture.cpp
    LIBS tarvek_main
    LABELS main gui locale asan
    GUI)
