# The comparison with QCustomPlot, built only where Debian's libqcustomplot-dev is installed
# (tools/bench.sh installs it; the tests never need it).
find_package(QCustomPlotQt6 QUIET)
if(QCustomPlotQt6_FOUND)
    add_executable(bench_versus_qcustomplot ${CMAKE_CURRENT_SOURCE_DIR}/versus_qcustomplot.cpp
        ${CMAKE_CURRENT_SOURCE_DIR}/Scene.cpp)
    target_link_libraries(bench_versus_qcustomplot PRIVATE zent kestran tarvek_test_support tarvek_bench_memory
        QCustomPlotQt6::QCustomPlotQt6)
endif()
