# The introduction screen needs only its own file, help, the program's title and the settings store.
set(infoscreen_sources frmInfoScreen.cpp ProgramState.cpp Help.cpp ContextIDs.cpp)
list(TRANSFORM infoscreen_sources PREPEND ${CMAKE_SOURCE_DIR}/program/main/)
tarvek_add_test(infoscreen_test SOURCES ${TEST_DIR}/infoscreen.cpp ${infoscreen_sources}
    LIBS settings msgbox Qt6::Widgets LABELS gui OWN_MAIN)
target_include_directories(infoscreen_test PRIVATE ${CMAKE_SOURCE_DIR}/program/main)
