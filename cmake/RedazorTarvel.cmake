# rt_library(NAME DEPS...): a static library of every source in the calling folder.
function(rt_library name)
  file(GLOB _src CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  add_library(${name} STATIC ${_src})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${ARGN})
  target_compile_definitions(${name} PUBLIC RT_VERSION="${RT_VERSION}" RT_RELEASE="${RT_RELEASE}")
endfunction()

# rt_test(NAME DEPS...): one GoogleTest executable of every source in the calling folder.
function(rt_test name)
  file(GLOB _src CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  add_executable(${name} ${_src})
  target_link_libraries(${name} PRIVATE test_support ${ARGN})
  target_compile_definitions(${name} PRIVATE
    RT_TEST_SOURCE_DIR="${CMAKE_CURRENT_SOURCE_DIR}"
    RT_TEMPLATES_DIR="${RT_TEMPLATES_DIR}"
    RT_BIN_DIR="${RT_BIN_DIR}")
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST PROPERTIES TIMEOUT 120)
endfunction()
