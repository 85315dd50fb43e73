# The engine's build adds the writer; until it does, build the writer here so its tests run.
if(NOT TARGET kestran_wmf)
    add_subdirectory(${PROJECT_SOURCE_DIR}/kestran/wmf ${CMAKE_BINARY_DIR}/kestran/wmf)
endif()
tarvek_add_test(wmf_writer_test
    SOURCES ${TEST_DIR}/wmf_writer_test.cpp ${TEST_DIR}/wmf_players_test.cpp
    LIBS kestran_wmf tarvek_test_support
    LABELS asan)
