# The introduction screen needs only its own file, the program's title and the settings store.
tarvek_add_test(infoscreen_test SOURCES ${TEST_DIR}/infoscreen.cpp
    ${CMAKE_SOURCE_DIR}/program/main/frmInfoScreen.cpp ${CMAKE_SOURCE_DIR}/program/main/ProgramState.cpp
    LIBS settings Qt6::Widgets LABELS gui OWN_MAIN)
target_include_directories(infoscreen_test PRIVATE ${CMAKE_SOURCE_DIR}/program/main)
