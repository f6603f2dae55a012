# A test that needs programs from outside the build is always registered. Where one of them is
# missing at configure time it is reported as skipped with the reason, so a partial machine can
# still run the rest. With QUORVANE_REQUIRE_TEST_TOOLS, always on when CI=true (where
# scripts/deps.sh --test installs everything), a missing program stops the configure instead,
# so that it can never turn a run green by skipping.
option(QUORVANE_REQUIRE_TEST_TOOLS "Fail the configure when a test's program is missing" OFF)
if("$ENV{CI}" STREQUAL "true")
    set(QUORVANE_REQUIRE_TEST_TOOLS ON)
endif()

# quorvane_add_tool_test(<name> LABEL <label> TOOLS <tool...> COMMAND <command...>): add_test
# with the rule above. A tool written as a|b is found under either name.
function(quorvane_add_tool_test name)
    cmake_parse_arguments(ARG "" "LABEL" "TOOLS;COMMAND" ${ARGN})
    set(missing)
    foreach(tool IN LISTS ARG_TOOLS)
        string(REPLACE "|" ";" names "${tool}")
        string(MAKE_C_IDENTIFIER "QUORVANE_TOOL_${tool}" var)
        find_program(${var} NAMES ${names})
        mark_as_advanced(${var})
        if(NOT ${var})
            list(APPEND missing ${tool})
        endif()
    endforeach()
    if(missing)
        list(JOIN missing ", " missing)
        set(reason "not installed: ${missing} (scripts/deps.sh --test installs it)")
        if(QUORVANE_REQUIRE_TEST_TOOLS)
            message(FATAL_ERROR "${name} cannot run, ${reason}; "
                "CI=true or QUORVANE_REQUIRE_TEST_TOOLS does not let it be skipped")
        endif()
        message(WARNING "${name} will be skipped, ${reason}")
        add_test(NAME ${name} COMMAND ${CMAKE_COMMAND} -E echo "SKIP: ${reason}")
        set_tests_properties(${name} PROPERTIES SKIP_REGULAR_EXPRESSION "^SKIP: ")
    else()
        add_test(NAME ${name} COMMAND ${ARG_COMMAND})
    endif()
    set_tests_properties(${name} PROPERTIES LABELS ${ARG_LABEL})
endfunction()
