tarvek_add_test(msgbox_test SOURCES ${TEST_DIR}/msgbox_test.cpp LIBS msgbox LABELS gui GUI)
