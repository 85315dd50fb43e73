tarvek_add_test(infoscreen_test SOURCES ${TEST_DIR}/infoscreen.cpp LIBS tarvek_main LABELS gui GUI)
