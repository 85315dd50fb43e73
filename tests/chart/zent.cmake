# The chart control library. The registration test loads libzent.so only through the class store
# and dlopen, as a container does, so it does not link the library.
tarvek_add_test(zent_registration_test
    SOURCES ${TEST_DIR}/ZentRegistrationTest.cpp
    LIBS automation_com Qt6::Widgets
    LABELS chart asan
    GUI)
add_dependencies(zent_registration_test zent)
target_compile_definitions(zent_registration_test PRIVATE ZENT_LIBRARY_PATH="$<TARGET_FILE:zent>")

# Property and method tables, line blocks, hostile arguments.
tarvek_add_test(zent_dispatch_test
    SOURCES ${TEST_DIR}/ZentDispatchTest.cpp ${TEST_DIR}/ZentMethodTest.cpp ${TEST_DIR}/ZentLineBlockTest.cpp
            ${TEST_DIR}/InterfaceTables.cpp ${TEST_DIR}/StreamLayout.cpp
            ${TEST_DIR}/ZentRobustnessTest.cpp ${TEST_DIR}/ZentLimitsTest.cpp
    LIBS zent
    LABELS chart asan
    GUI)

# Offscreen drawing, printing, metafiles, the file methods and the mouse.
tarvek_add_test(zent_draw_test
    SOURCES ${TEST_DIR}/ZentDrawTest.cpp ${TEST_DIR}/ZentZoomTest.cpp ${TEST_DIR}/ZentBuildTest.cpp
            ${TEST_DIR}/ZentBarScaleTest.cpp
    LIBS zent msgbox tarvek_test_support
    LABELS chart asan
    GUI)

# The property frame opened by the control, and pages made by the factory that outlive it.
tarvek_add_test(zent_pages_test
    SOURCES ${TEST_DIR}/ZentPropertyFrameTest.cpp ${TEST_DIR}/ZentPageLifetimeTest.cpp
    LIBS zent msgbox
    LABELS chart asan
    GUI)

# Failed allocations under a limited address space end as refused calls. The sanitizers reserve
# more address space than such a limit allows, so the sanitizer build leaves it out.
if(NOT TARVEK_SANITIZE)
    tarvek_add_test(zent_memory_test
        SOURCES ${TEST_DIR}/ZentMemoryTest.cpp
        LIBS zent msgbox
        LABELS chart
        GUI)
    # A chart an older control saved beyond today's limits: about a gigabyte of memory and half a
    # gigabyte of temporary file, in one test.
    tarvek_add_test(zent_older_chart_test
        SOURCES ${TEST_DIR}/ZentOlderChartTest.cpp ${TEST_DIR}/StreamLayout.cpp ${TEST_DIR}/InterfaceTables.cpp
        LIBS zent msgbox
        LABELS chart
        GUI)
endif()
