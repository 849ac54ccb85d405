# zarvik_add_gtest(name sources...): a GoogleTest program, run natively or under Wine.
function(zarvik_add_gtest name)
    add_executable(${name} ${ARGN})
    target_link_libraries(${name} PRIVATE GTest::gtest_main)
    # Discovering at test time keeps Wine out of the build; a cold Wine start can take seconds.
    gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 120)
endfunction()
