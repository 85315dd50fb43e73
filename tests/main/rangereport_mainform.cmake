# The distance-range dialog over the real main window, through the main window's test fixture.
tarvek_add_test(rangereport_mainform_test
    SOURCES ${TEST_DIR}/rangereport_mainform.cpp
    LIBS mainform_fixture LABELS main gui GUI)
