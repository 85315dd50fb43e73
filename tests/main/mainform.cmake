# The main window's test fixture, shared by every test that runs over a real main window.
add_library(mainform_fixture STATIC ${TEST_DIR}/mainform_fixture.cpp)
target_include_directories(mainform_fixture PUBLIC ${TEST_DIR})
target_link_libraries(mainform_fixture PUBLIC tarvek_main tarvek_test_support GTest::gtest)

tarvek_add_test(mainform_test
    SOURCES ${TEST_DIR}/mainform_test.cpp ${TEST_DIR}/mainform_startend_test.cpp ${TEST_DIR}/mainform_saves.cpp
            ${TEST_DIR}/mainform_tables.cpp ${TEST_DIR}/mainform_templog_test.cpp
    LIBS mainform_fixture
    LABELS main gui locale asan
    GUI)
