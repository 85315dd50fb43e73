# Built from the report log's own files, so the benchmark does not wait for the whole program.
set(bench_report_sources FrmReport.cpp RLogClass.cpp ReportLog.cpp ReportLogText.cpp ReportLogView.cpp ReportLogCopy.cpp
    ReportLogPrint.cpp TempLogSaves.cpp TempLogFile.cpp
    ReportPrintFont.cpp frmPrinterSelect.cpp)
list(TRANSFORM bench_report_sources PREPEND ${CMAKE_SOURCE_DIR}/program/main/)
tarvek_add_bench(bench_report SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/report.cpp ${bench_report_sources}
    LIBS richtext printing msgbox atomicfile waitcursor tarvek_bench_memory GUI)
target_include_directories(bench_report PRIVATE ${CMAKE_SOURCE_DIR}/program/main)
