# One configuration target that every Brindlewick target links: language level, warnings, defines.
add_library(brindlewick_cfg INTERFACE)
target_compile_features(brindlewick_cfg INTERFACE cxx_std_20)
target_compile_options(brindlewick_cfg INTERFACE -Wall -Wextra -Wpedantic -Werror)
target_compile_definitions(brindlewick_cfg INTERFACE
  QT_NO_CAST_FROM_ASCII
  QT_NO_CAST_TO_ASCII
  QT_USE_QSTRINGBUILDER
  QT_DISABLE_DEPRECATED_BEFORE=0x050F00
  QT_NO_KEYWORDS
  _GLIBCXX_ASSERTIONS)

if(BRINDLEWICK_SANITIZE)
  target_compile_options(brindlewick_cfg INTERFACE -fsanitize=address,undefined -fno-omit-frame-pointer)
  target_link_options(brindlewick_cfg INTERFACE -fsanitize=address,undefined)
endif()

# bw_add_test(NAME name SOURCES ... LIBS ... [KIND unit|ui|e2e] [TIMEOUT s])
# unit tests run as they are; ui tests on the offscreen platform; e2e tests inside Xvfb with a
# session bus, a notification daemon and a window manager (scripts/xvfb-run-test.sh).
function(bw_add_test)
  cmake_parse_arguments(T "" "NAME;KIND;TIMEOUT" "SOURCES;LIBS" ${ARGN})
  if(NOT T_KIND)
    set(T_KIND unit)
  endif()
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 120)
  endif()
  add_executable(${T_NAME} ${T_SOURCES})
  target_link_libraries(${T_NAME} PRIVATE brindlewick_cfg Qt5::Test ${T_LIBS})
  target_include_directories(${T_NAME} PRIVATE ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/tests)
  target_compile_definitions(${T_NAME} PRIVATE
    BW_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
    BW_BINARY_DIR="${PROJECT_BINARY_DIR}")
  if(T_KIND STREQUAL "e2e")
    add_test(NAME ${T_NAME}
      COMMAND ${PROJECT_SOURCE_DIR}/scripts/xvfb-run-test.sh $<TARGET_FILE:${T_NAME}>)
  elseif(T_KIND STREQUAL "ui")
    add_test(NAME ${T_NAME} COMMAND ${T_NAME} -platform offscreen)
  else()
    add_test(NAME ${T_NAME} COMMAND ${T_NAME})
  endif()
  set_tests_properties(${T_NAME} PROPERTIES TIMEOUT ${T_TIMEOUT} LABELS ${T_KIND}
    ENVIRONMENT "QT_FORCE_STDERR_LOGGING=1;QT_QPA_PLATFORMTHEME=")
endfunction()
