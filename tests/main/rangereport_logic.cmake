# The distance-range report's rules without a window.
tarvek_add_test(rangereport_logic_test SOURCES ${TEST_DIR}/rangereport_logic.cpp
    LIBS tarvek_main_logic tarvek_test_support LABELS locale asan)
