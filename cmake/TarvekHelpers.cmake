# tarvek_add_test(NAME SOURCES ... LIBS ... [LABELS ...] [GUI | OWN_MAIN])
# One GoogleTest executable; its tests are registered with ctest one by one. The shared main takes
# the user's locale from the environment first, as the program does; GUI gives a main with a
# headless QApplication and temporary settings and temp folders; OWN_MAIN brings its own.
# Label "locale" runs the executable once more under a German locale; label "asan" puts it in the
# sanitizer configuration (tools/check.sh builds that tree and runs only those).
function(tarvek_add_test name)
    cmake_parse_arguments(T "OWN_MAIN;GUI" "" "SOURCES;LIBS;LABELS" ${ARGN})
    add_executable(${name} ${T_SOURCES})
    target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock)
    if(T_GUI)
        target_link_libraries(${name} PRIVATE tarvek_gui_test_main)
    elseif(NOT T_OWN_MAIN)
        target_link_libraries(${name} PRIVATE tarvek_test_main)
    endif()
    # Parameter values stay out of the names: printed as bytes they made names hundreds of
    # characters long, and ctest pads every line to the longest.
    gtest_discover_tests(${name}
        NO_PRETTY_VALUES
        PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
        DISCOVERY_TIMEOUT 60)
    # A list of labels does not survive the discovery's property passing (it comes out as one
    # label plus stray properties), so they are set on the discovered names afterwards.
    if(T_LABELS)
        set(labels_file ${CMAKE_CURRENT_BINARY_DIR}/${name}_labels.cmake)
        file(WRITE ${labels_file}
            "foreach(t IN LISTS ${name}_TESTS)\n"
            "    set_tests_properties(\"\${t}\" PROPERTIES LABELS \"${T_LABELS}\")\n"
            "endforeach()\n")
        set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${labels_file})
    endif()
    if("locale" IN_LIST T_LABELS)
        add_test(NAME ${name}.de_DE COMMAND ${name})
        set_tests_properties(${name}.de_DE PROPERTIES
            LABELS "locale;${T_LABELS}"
            ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=de_DE.UTF-8;LANG=de_DE.UTF-8")
    endif()
endfunction()

# tarvek_add_fuzzer(NAME SOURCES ... LIBS ...): a libFuzzer target, built only with TARVEK_FUZZ.
function(tarvek_add_fuzzer name)
    if(NOT TARVEK_FUZZ)
        return()
    endif()
    cmake_parse_arguments(F "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${F_SOURCES})
    target_link_libraries(${name} PRIVATE ${F_LIBS})
    target_link_options(${name} PRIVATE -fsanitize=fuzzer)
    set_property(GLOBAL APPEND PROPERTY TARVEK_FUZZERS ${name})
endfunction()

# tarvek_add_bench(NAME SOURCES ... LIBS ... [GUI | OWN_MAIN])
# GUI gives a main with one headless QApplication over temporary settings and temp folders;
# OWN_MAIN brings its own main, which calls that same run (BenchRun.h) for the benchmarks.
function(tarvek_add_bench name)
    cmake_parse_arguments(B "GUI;OWN_MAIN" "" "SOURCES;LIBS" ${ARGN})
    find_package(benchmark REQUIRED)
    add_executable(${name} ${B_SOURCES})
    if(B_GUI)
        target_link_libraries(${name} PRIVATE ${B_LIBS} tarvek_bench_main)
    elseif(B_OWN_MAIN)
        target_link_libraries(${name} PRIVATE ${B_LIBS} tarvek_bench_run)
    else()
        target_link_libraries(${name} PRIVATE ${B_LIBS} benchmark::benchmark benchmark::benchmark_main)
    endif()
endfunction()
