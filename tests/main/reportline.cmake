# The window-free logic of the main window, built on its own so its tests do not wait for the
# windows.
set(main_logic_dir ${CMAKE_SOURCE_DIR}/program/main)
add_library(tarvek_main_logic STATIC
    ${main_logic_dir}/InputValidation.cpp
    ${main_logic_dir}/LossCalculation.cpp
    ${main_logic_dir}/MeasuredDump.cpp
    ${main_logic_dir}/ReportLine.cpp
    ${main_logic_dir}/UnitText.cpp)
target_include_directories(tarvek_main_logic PUBLIC ${main_logic_dir})
target_link_libraries(tarvek_main_logic PUBLIC models numtext)

tarvek_add_test(reportline_test
    SOURCES ${TEST_DIR}/reportline_test.cpp
    LIBS tarvek_main_logic
    LABELS main locale asan)
