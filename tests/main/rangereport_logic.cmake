# The distance-range report's rules without a window: only its logic, the line builder and models.
tarvek_add_test(rangereport_logic_test SOURCES ${TEST_DIR}/rangereport_logic.cpp
    ${CMAKE_SOURCE_DIR}/program/main/frmLogDistRangeLogic.cpp
    ${CMAKE_SOURCE_DIR}/program/main/LossCalculation.cpp
    ${CMAKE_SOURCE_DIR}/program/main/ReportLine.cpp
    LIBS models numtext LABELS locale asan)
target_include_directories(rangereport_logic_test PRIVATE ${CMAKE_SOURCE_DIR}/program/main)
