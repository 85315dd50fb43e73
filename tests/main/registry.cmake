# Built from their own files, so the settings tests run whatever else of the program is unfinished.
set(registry_dir ${PROJECT_SOURCE_DIR}/program/main)
tarvek_add_test(registry_test
    SOURCES ${TEST_DIR}/registry_test.cpp ${registry_dir}/Registry.cpp
    LIBS settings automation Qt6::Core
    LABELS main locale)
target_include_directories(registry_test PRIVATE ${registry_dir})

tarvek_add_test(registry_load_measured_test
    SOURCES ${TEST_DIR}/registry_load_measured_test.cpp ${registry_dir}/LoadMeasured.cpp
        ${PROJECT_SOURCE_DIR}/program/models/Measured.cpp ${PROJECT_SOURCE_DIR}/program/models/MeasuredItems.cpp
    LIBS msgbox Qt6::Core
    LABELS main asan)
target_include_directories(registry_load_measured_test PRIVATE ${registry_dir}
    ${PROJECT_SOURCE_DIR}/program/models)
