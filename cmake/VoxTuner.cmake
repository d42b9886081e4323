# Helpers shared by every subsystem.

# vt_core_library(name SOURCES...) : a static library that must not use Qt.
function(vt_core_library name)
  add_library(${name} STATIC ${ARGN})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC Threads::Threads)
endfunction()

# vt_strict_warnings(target...) : the stricter warning set of the core libraries
# (shadowed names, narrowing conversions).
function(vt_strict_warnings)
  foreach(t ${ARGN})
    # clang's -Wconversion also takes in sign changes, which gcc's leaves out.
    target_compile_options(${t} PRIVATE -Wshadow -Wconversion
                                        $<$<CXX_COMPILER_ID:Clang>:-Wno-sign-conversion>)
  endforeach()
endfunction()

# vt_gui_library(name SOURCES...) : a static library on Qt 6 Widgets.
function(vt_gui_library name)
  add_library(${name} STATIC ${ARGN})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC Qt6::Widgets)
  set_target_properties(${name} PROPERTIES AUTOMOC ON)
  vt_qt_pch(${name})
endfunction()

# vt_qt_pch(target) : the Qt widget headers precompiled for a target.
function(vt_qt_pch name)
  target_precompile_headers(${name} PRIVATE ${PROJECT_SOURCE_DIR}/cmake/QtWidgetsPch.h)
endfunction()

find_package(GTest REQUIRED)

# vt_test(name SOURCES... [LIBS libs...] [GUI] [NO_MAIN] [TIMEOUT s]) : one GoogleTest
# binary registered with CTest. GUI runs it offscreen; NO_MAIN when it brings its own main.
function(vt_test name)
  cmake_parse_arguments(T "GUI;NO_MAIN" "TIMEOUT" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock)
  if(NOT T_NO_MAIN)
    target_link_libraries(${name} PRIVATE GTest::gtest_main)
  endif()
  target_compile_definitions(${name} PRIVATE VT_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
                                              VT_BINARY_DIR="${CMAKE_BINARY_DIR}")
  add_test(NAME ${name} COMMAND ${name})
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 300)
  endif()
  set_tests_properties(${name} PROPERTIES TIMEOUT ${T_TIMEOUT})
  if(T_GUI)
    set_target_properties(${name} PROPERTIES AUTOMOC ON)
    vt_qt_pch(${name})
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" LABELS gui)
  endif()
endfunction()

# vt_benchmark(name SOURCES... [LIBS libs...]) : a Google Benchmark binary (not a test).
function(vt_benchmark name)
  cmake_parse_arguments(B "" "" "SOURCES;LIBS" ${ARGN})
  find_package(benchmark REQUIRED)
  add_executable(${name} ${B_SOURCES})
  target_link_libraries(${name} PRIVATE ${B_LIBS} benchmark::benchmark benchmark::benchmark_main)
endfunction()
