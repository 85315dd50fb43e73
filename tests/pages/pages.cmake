# Property pages: code maps, array copies, fonts, number text and the control-side exchange run
# without a window; the pages and the frame run headless. Both also run under a German locale: edit
# boxes and grid cells show numbers with a point whatever the user's locale.
tarvek_add_test(pages_logic_test
    SOURCES ${TEST_DIR}/CodeMapsTest.cpp ${TEST_DIR}/ArrayExchangeTest.cpp ${TEST_DIR}/FontOpsTest.cpp
            ${TEST_DIR}/FieldTextTest.cpp ${TEST_DIR}/ModelExchangeTargetTest.cpp ${TEST_DIR}/DataSetTableTest.cpp
    LIBS zentpages
    LABELS pages locale asan)

tarvek_add_test(pages_gui_test
    SOURCES ${TEST_DIR}/PageFixture.h ${TEST_DIR}/PageFrameworkTest.cpp ${TEST_DIR}/AxisPagesTest.cpp
            ${TEST_DIR}/GeneralPageTest.cpp ${TEST_DIR}/DataPageTest.cpp
            ${TEST_DIR}/PlotPagesTest.cpp ${TEST_DIR}/OtherPagesTest.cpp ${TEST_DIR}/RoundTripTest.cpp
    LIBS zentpages
    LABELS pages locale asan
    GUI)

# Which control shows and edits which property, through the chart control's dispatch and its
# property frame, one table per page.
tarvek_add_test(pages_binding_test
    SOURCES ${TEST_DIR}/BindingRows.h ${TEST_DIR}/BindingTableTest.cpp
    LIBS zent
    LABELS pages locale asan
    GUI)
