# Help needs only its own files and the message boxes, so it is built from them directly.
find_package(Qt6 REQUIRED COMPONENTS Test)
set(help_sources ${CMAKE_SOURCE_DIR}/program/main/Help.cpp ${CMAKE_SOURCE_DIR}/program/main/ContextIDs.cpp)
tarvek_add_test(help_test SOURCES ${TEST_DIR}/help.cpp ${help_sources}
    LIBS msgbox Qt6::Widgets Qt6::Test LABELS gui asan OWN_MAIN)
target_include_directories(help_test PRIVATE ${CMAKE_SOURCE_DIR}/program/main)
