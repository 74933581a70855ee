# Tests see the program in English whatever language the caller's environment asks for. Qt
# reads the language from LANGUAGE, then LC_ALL, LC_MESSAGES and LANG, so a test pins all four;
# a test of another language sets its own.
set(AMORIST_ENGLISH_ENVIRONMENT LANG=set:C.UTF-8 LANGUAGE=unset: LC_ALL=unset: LC_MESSAGES=unset:)

# Pins the environment of every test the calling directory has added so far; call it after
# the directory's last add_test. Tests gtest_discover_tests finds later are covered by the
# test presets' environment instead.
function(amorist_pin_test_environment)
    get_directory_property(tests TESTS)
    if(tests)
        set_property(TEST ${tests} APPEND PROPERTY ENVIRONMENT_MODIFICATION
                     ${AMORIST_ENGLISH_ENVIRONMENT})
    endif()
endfunction()
