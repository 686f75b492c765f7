# Windows build (MinGW-w64): the platform layer, the form layer, the program,
# the platform tests that run under Wine, and the Windows-side tools.
add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)
# Release exes carry no symbol tables: the CD build stays small. Optimised for
# size, each function and datum in its own section so that the linker drops
# what nothing calls: the program waits on the user and the disk, not on its code.
set(CMAKE_C_FLAGS_RELEASE "-Os -DNDEBUG")
set(CMAKE_CXX_FLAGS_RELEASE "-Os -DNDEBUG")
add_compile_options(-ffunction-sections -fdata-sections)
set(KIVO_STATIC_LINK -static -static-libgcc -static-libstdc++ -s -Wl,--gc-sections)
set(KIVO_WINDOWS_LIBS comctl32 ole32 oleaut32 uuid shell32 shlwapi gdi32 user32 advapi32 kernel32)

# The Windows half of the platform: the system services and the form layer.
file(GLOB KIVO_PLATFORM_WIN32_SOURCES CONFIGURE_DEPENDS src/platform/win32/*.cpp src/platform/forms/*.cpp)
add_library(kivo_platform_win32 STATIC ${KIVO_PLATFORM_WIN32_SOURCES})
target_link_libraries(kivo_platform_win32 PUBLIC kivo_platform ${KIVO_WINDOWS_LIBS})

# kivo_<layer>_ui: the windows of a layer, on its portable half and on the
# window halves of the layers below.
function(kivo_ui_layer layer)
  file(GLOB sources CONFIGURE_DEPENDS src/${layer}/ui/*.cpp)
  list(FILTER sources EXCLUDE REGEX "/src/app/ui/main\\.cpp$")
  add_library(kivo_${layer}_ui STATIC ${sources})
  target_link_libraries(kivo_${layer}_ui PUBLIC kivo_${layer} ${ARGN})
endfunction()

kivo_ui_layer(core kivo_platform_win32)
kivo_ui_layer(choosers kivo_core_ui)
kivo_ui_layer(emulator kivo_core_ui)
kivo_ui_layer(music kivo_core_ui)
kivo_ui_layer(game kivo_core_ui)
# The program's windows, built once for the program and the Windows-side
# tools that show them; the program adds its entry point and resources.
kivo_ui_layer(app kivo_game_ui kivo_music_ui kivo_choosers_ui kivo_emulator_ui)
add_executable(kivo68i WIN32 src/app/ui/main.cpp src/app/ui/kivo68i.rc)
target_link_libraries(kivo68i PRIVATE kivo_app_ui)
target_link_options(kivo68i PRIVATE -municode -mwindows ${KIVO_STATIC_LINK})
# The CD carries the 32-bit build: without an execution level in its manifest,
# UAC file virtualization lets a standard user's settings file in the Windows
# directory be written and read back. A 64-bit process never gets
# virtualization, so that build declares asInvoker and reports a refused write.
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  target_compile_definitions(kivo68i PRIVATE KIVO_VIRTUALIZED_SETTINGS)
endif()
# The resource compiler does not report the files a script pulls in.
file(GLOB KIVO_RESOURCE_INPUTS CONFIGURE_DEPENDS data/*.bmp data/*.ico src/app/ui/*.manifest src/app/ui/*.h)
set_source_files_properties(src/app/ui/kivo68i.rc PROPERTIES OBJECT_DEPENDS "${KIVO_RESOURCE_INPUTS}")

# The planted-DLL scenario's DLL and the program without its narrowed DLL search.
add_subdirectory(tests/dll_planting)

# GoogleTest from the Debian source package, built for Windows.
set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
# MinGW's win32 thread model has no std::mutex, which GoogleTest's Notification uses.
target_compile_options(gtest PUBLIC -include ${CMAKE_SOURCE_DIR}/tests/platform/gtest_notification.h)

file(GLOB KIVO_PLATFORM_TEST_SOURCES CONFIGURE_DEPENDS tests/platform/*.cpp)
if(KIVO_PLATFORM_TEST_SOURCES)
  add_executable(kivo_platform_tests ${KIVO_PLATFORM_TEST_SOURCES})
  target_link_libraries(kivo_platform_tests PRIVATE kivo_game kivo_platform_win32 gtest gtest_main)
  # The header-only fakes (scripted prompts) serve here too.
  target_include_directories(kivo_platform_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests/fakes)
  target_link_options(kivo_platform_tests PRIVATE ${KIVO_STATIC_LINK})
endif()

file(GLOB KIVO_WINDOWS_TOOL_DIRS LIST_DIRECTORIES true CONFIGURE_DEPENDS tools/windows/*)
foreach(dir ${KIVO_WINDOWS_TOOL_DIRS})
  if(EXISTS ${dir}/CMakeLists.txt)
    add_subdirectory(${dir})
  endif()
endforeach()

# Benchmarks (not tests): Windows programs that print ratios measured in one run.
file(GLOB KIVO_BENCH_DIRS LIST_DIRECTORIES true CONFIGURE_DEPENDS tests/bench/*)
foreach(dir ${KIVO_BENCH_DIRS})
  if(EXISTS ${dir}/CMakeLists.txt)
    add_subdirectory(${dir})
  endif()
endforeach()
