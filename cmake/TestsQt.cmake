# SPDX-License-Identifier: GPL-3.0-or-later
# One Qt Test program and its ctest entry, the same way for the window's
# tests and the command-line tools' tests:
#
#   strataloom_test_qt(NAME PREFIX app SOURCES a_test.cpp ... LIBS lib ...
#                      [INCLUDES dir ...] [DEFINITIONS X=1 ...] [DEPENDS target ...]
#                      [ENVIRONMENT VAR=value ...] [TIMEOUT s] [FUNCTION_TIMEOUT ms] [X11])
#
# The test is named PREFIX.NAME. It runs on the offscreen platform with a
# per-function timeout, so that a dialog left open fails instead of hanging.
# X11: the test runs on a virtual X server of its own (sous_xvfb.sh, on the
# xcb platform) and is skipped when Xvfb or xdotool is not installed.
set(STRATALOOM_LANCEUR_XVFB ${CMAKE_CURRENT_LIST_DIR}/sous_xvfb.sh)

function(strataloom_test_qt NAME)
  cmake_parse_arguments(PARSE_ARGV 1 T "X11" "PREFIX;TIMEOUT;FUNCTION_TIMEOUT"
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
    add_test(NAME ${T_PREFIX}.${NAME} COMMAND sh ${STRATALOOM_LANCEUR_XVFB} $<TARGET_FILE:${NAME}>)
    set_tests_properties(${T_PREFIX}.${NAME} PROPERTIES SKIP_RETURN_CODE 77)
  else()
    add_test(NAME ${T_PREFIX}.${NAME} COMMAND ${NAME})
    list(APPEND environnement "QT_QPA_PLATFORM=offscreen" "XDG_RUNTIME_DIR=${CMAKE_BINARY_DIR}/xdg-runtime")
  endif()
  set_tests_properties(${T_PREFIX}.${NAME} PROPERTIES TIMEOUT ${T_TIMEOUT} ENVIRONMENT "${environnement}")
endfunction()
