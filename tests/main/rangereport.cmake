find_package(Qt6 REQUIRED COMPONENTS Test)
tarvek_add_test(rangereport_test SOURCES ${TEST_DIR}/rangereport.cpp
    LIBS tarvek_main Qt6::Test LABELS gui asan locale GUI)
