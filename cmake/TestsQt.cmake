# SPDX-License-Identifier: GPL-3.0-or-later
# One Qt Test program and its ctest entry, the same way for the window's
# tests and the command-line tools' tests:
#
#   strataloom_test_qt(NAME PREFIX app SOURCES a_test.cpp ... LIBS lib ...
#                      [INCLUDES dir ...] [DEFINITIONS X=1 ...] [DEPENDS target ...]
#                      [ENVIRONMENT VAR=value ...] [TIMEOUT s] [FUNCTION_TIMEOUT ms] [X11]
#                      [SLICES n])
#
# The test is named PREFIX.NAME; with SLICES, a long suite runs as n tests
# PREFIX.NAME.0 ... PREFIX.NAME.<n-1>, each a slice of its functions
# (tranche_qt.sh) with its own TIMEOUT. It runs on the offscreen platform with a
# per-function timeout, so that a dialog left open fails instead of hanging.
# X11: the test runs on a virtual X server of its own (sous_xvfb.sh, on the
# xcb platform) and is skipped when Xvfb or xdotool is not installed.
set(STRATALOOM_LANCEUR_XVFB ${CMAKE_CURRENT_LIST_DIR}/sous_xvfb.sh)
set(STRATALOOM_TRANCHE_QT ${CMAKE_CURRENT_LIST_DIR}/tranche_qt.sh)

function(strataloom_test_qt NAME)
  cmake_parse_arguments(PARSE_ARGV 1 T "X11" "PREFIX;TIMEOUT;FUNCTION_TIMEOUT;SLICES"
                        "SOURCES;LIBS;INCLUDES;DEFINITIONS;DEPENDS;ENVIRONMENT")
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 300)
  endif()
  if(NOT T_FUNCTION_TIMEOUT)
    set(T_FUNCTION_TIMEOUT 60000)
  endif()
  qt_add_executable(${NAME} ${T_SOURCES})
  target_include_directories(${NAME} PRIVATE ${T_INCLUDES})
  target_link_libraries(${NAME} PRIVATE ${T_LIBS} Qt6::Test)
  target_compile_definitions(${NAME} PRIVATE ${T_DEFINITIONS})
  if(T_DEPENDS)
    add_dependencies(${NAME} ${T_DEPENDS})
  endif()
  set(environnement "QTEST_FUNCTION_TIMEOUT=${T_FUNCTION_TIMEOUT}" ${T_ENVIRONMENT})
  if(T_X11)
    if(T_SLICES)
      message(FATAL_ERROR "strataloom_test_qt: SLICES is for offscreen tests")
    endif()
    add_test(NAME ${T_PREFIX}.${NAME} COMMAND sh ${STRATALOOM_LANCEUR_XVFB} $<TARGET_FILE:${NAME}>)
    set_tests_properties(${T_PREFIX}.${NAME} PROPERTIES SKIP_RETURN_CODE 77)
    set(tests ${T_PREFIX}.${NAME})
  elseif(T_SLICES)
    set(tests)
    math(EXPR derniere "${T_SLICES} - 1")
    foreach(k RANGE ${derniere})
      add_test(NAME ${T_PREFIX}.${NAME}.${k}
               COMMAND sh ${STRATALOOM_TRANCHE_QT} $<TARGET_FILE:${NAME}> ${k} ${T_SLICES})
      list(APPEND tests ${T_PREFIX}.${NAME}.${k})
    endforeach()
  else()
    add_test(NAME ${T_PREFIX}.${NAME} COMMAND ${NAME})
    set(tests ${T_PREFIX}.${NAME})
  endif()
  if(NOT T_X11)
    list(APPEND environnement "QT_QPA_PLATFORM=offscreen" "XDG_RUNTIME_DIR=${CMAKE_BINARY_DIR}/xdg-runtime")
  endif()
  set_tests_properties(${tests} PROPERTIES TIMEOUT ${T_TIMEOUT} ENVIRONMENT "${environnement}")
endfunction()
