# The helper the settings and class store tests run as several copies at once.
add_executable(ini_writer ${TEST_DIR}/ini_writer.cpp)
target_link_libraries(ini_writer PRIVATE settings automation_com Qt6::Core)
