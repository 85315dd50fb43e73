# tarvek_add_test(NAME SOURCES ... LIBS ... [LABELS ...] [OWN_MAIN])
# One GoogleTest executable; its tests are registered with ctest one by one. The shared main takes
# the user's locale from the environment first, as the program does; a test that needs a
# QApplication passes OWN_MAIN and brings its own.
# Label "locale" runs the executable once more under a German locale; label "asan" puts it in the
# sanitizer configuration (tools/check.sh builds that tree and runs only those).
function(tarvek_add_test name)
    cmake_parse_arguments(T "OWN_MAIN" "" "SOURCES;LIBS;LABELS" ${ARGN})
    add_executable(${name} ${T_SOURCES})
    target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock)
    if(NOT T_OWN_MAIN)
        target_link_libraries(${name} PRIVATE tarvek_test_main)
    endif()
    gtest_discover_tests(${name}
        PROPERTIES LABELS "${T_LABELS}"
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
        DISCOVERY_TIMEOUT 60)
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

# tarvek_add_bench(NAME SOURCES ... LIBS ...)
function(tarvek_add_bench name)
    cmake_parse_arguments(B "" "" "SOURCES;LIBS" ${ARGN})
    find_package(benchmark REQUIRED)
    add_executable(${name} ${B_SOURCES})
    target_link_libraries(${name} PRIVATE ${B_LIBS} benchmark::benchmark benchmark::benchmark_main)
endfunction()
