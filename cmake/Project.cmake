# Compiler settings shared by every target, and the helpers the folders use.

if(KT_FUZZ)
    set(KT_WARNINGS -Wall -Wextra -Werror)
else()
    set(KT_WARNINGS -Wall -Wextra -Werror -Wshadow -Wnon-virtual-dtor -Wold-style-cast -Wcast-align
        -Woverloaded-virtual -Wpedantic -Wnull-dereference -Wformat=2 -Wimplicit-fallthrough)
endif()

if(WIN32)
    enable_language(RC)
    add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)
    # Static runtime: the programs must run on a machine without the compiler's DLLs.
    add_link_options(-static -static-libgcc -static-libstdc++)
    # The preset's own build folder stages into dist/<preset>; any other build folder keeps its install
    # tree to itself, so that parallel builds never write the same files.
    if(KT_DIST_NAME AND CMAKE_BINARY_DIR STREQUAL "${CMAKE_SOURCE_DIR}/build/${KT_DIST_NAME}")
        set(KT_DIST_DIR ${CMAKE_SOURCE_DIR}/dist/${KT_DIST_NAME})
    else()
        set(KT_DIST_DIR ${CMAKE_BINARY_DIR}/dist)
    endif()
endif()

if(KT_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
    add_link_options(-fsanitize=address,undefined)
endif()
if(KT_TSAN)
    if(KT_SANITIZE)
        message(FATAL_ERROR "KT_TSAN and KT_SANITIZE cannot be combined")
    endif()
    add_compile_options(-fsanitize=thread -fno-omit-frame-pointer)
    add_link_options(-fsanitize=thread)
endif()

# A portable library: standard C++ only, compiled everywhere.
function(kt_library name)
    cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
    add_library(${name} STATIC ${ARG_SOURCES})
    target_compile_options(${name} PRIVATE ${KT_WARNINGS})
    target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR}/src)
    target_link_libraries(${name} PUBLIC ${ARG_DEPENDS})
endfunction()

# A shipped Windows program or library: its output goes to the install tree dist/<preset>/.
function(kt_deliverable target)
    set_target_properties(${target} PROPERTIES
        RUNTIME_OUTPUT_DIRECTORY ${KT_DIST_DIR}
        LIBRARY_OUTPUT_DIRECTORY ${KT_DIST_DIR})
    foreach(cfg Debug Release RelWithDebInfo MinSizeRel)
        string(TOUPPER ${cfg} CFG)
        set_target_properties(${target} PROPERTIES
            RUNTIME_OUTPUT_DIRECTORY_${CFG} ${KT_DIST_DIR}
            LIBRARY_OUTPUT_DIRECTORY_${CFG} ${KT_DIST_DIR})
    endforeach()
endfunction()

# Copies a data file or folder into the install tree at build time.
function(kt_stage_files target)
    cmake_parse_arguments(ARG "" "DESTINATION" "FILES;DIRECTORIES" ${ARGN})
    set(dest ${KT_DIST_DIR}/${ARG_DESTINATION})
    set(commands COMMAND ${CMAKE_COMMAND} -E make_directory ${dest})
    foreach(f IN LISTS ARG_FILES)
        list(APPEND commands COMMAND ${CMAKE_COMMAND} -E copy_if_different ${f} ${dest})
    endforeach()
    foreach(d IN LISTS ARG_DIRECTORIES)
        list(APPEND commands COMMAND ${CMAKE_COMMAND} -E copy_directory ${d} ${dest})
    endforeach()
    add_custom_target(${target} ALL ${commands} VERBATIM)
endfunction()
