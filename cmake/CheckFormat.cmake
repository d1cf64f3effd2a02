# Fails when a C++ file of the repository differs from what clang-format makes of it.
file(GLOB_RECURSE sources RELATIVE ${ROOT}
     ${ROOT}/src/*.cpp ${ROOT}/src/*.h ${ROOT}/app/*.cpp ${ROOT}/app/*.h
     ${ROOT}/tests/*.cpp ${ROOT}/tests/*.h ${ROOT}/bench/*.cpp ${ROOT}/bench/*.h
     ${ROOT}/data/*.cpp ${ROOT}/data/*.h)
execute_process(COMMAND ${CLANG_FORMAT} --dry-run --Werror ${sources}
                WORKING_DIRECTORY ${ROOT} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "clang-format: the files above need 'make format'")
endif()
