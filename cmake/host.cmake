# Host build: unit tests of the portable rules against in-memory fakes, and the
# build-time tools (demo CD generator).
find_package(GTest REQUIRED)
include(GoogleTest)

file(GLOB KIVO_FAKE_SOURCES CONFIGURE_DEPENDS tests/fakes/*.cpp)
add_library(kivo_fakes STATIC ${KIVO_FAKE_SOURCES})
target_include_directories(kivo_fakes PUBLIC tests/fakes)
target_link_libraries(kivo_fakes PUBLIC kivo_core)

file(GLOB_RECURSE KIVO_UNIT_TEST_SOURCES CONFIGURE_DEPENDS tests/unit/*.cpp)
add_executable(kivo_unit_tests ${KIVO_UNIT_TEST_SOURCES})
target_link_libraries(kivo_unit_tests PRIVATE kivo_app kivo_fakes GTest::gtest GTest::gtest_main)
gtest_discover_tests(kivo_unit_tests DISCOVERY_TIMEOUT 60)

file(GLOB KIVO_HOST_TOOL_DIRS LIST_DIRECTORIES true CONFIGURE_DEPENDS tools/host/*)
foreach(dir ${KIVO_HOST_TOOL_DIRS})
  if(EXISTS ${dir}/CMakeLists.txt)
    add_subdirectory(${dir})
  endif()
endforeach()

if(KIVO_SANITIZE)
  add_subdirectory(tests/fuzz)
endif()
