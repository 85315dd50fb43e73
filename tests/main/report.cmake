# The report log and its windows need only their own files, the rich text, the printer and the
# message boxes.
set(report_sources FrmReport.cpp RLogClass.cpp ReportLog.cpp frmPrinterSelect.cpp)
list(TRANSFORM report_sources PREPEND ${CMAKE_SOURCE_DIR}/program/main/)
tarvek_add_test(report_test SOURCES ${TEST_DIR}/report_test.cpp ${report_sources}
    LIBS richtext printing msgbox Qt6::Widgets LABELS gui asan OWN_MAIN)
target_include_directories(report_test PRIVATE ${CMAKE_SOURCE_DIR}/program/main)
