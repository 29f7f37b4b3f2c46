# Host tests of tollgate's plain-value rules: numbers, paths, command lines, classes,
# package names, the I2C header, the byte rewrite, the dialog's timer and icon place, and
# the judgement of a wait.
# Every step's plain-value half is a *_rules.cpp beside it, free of windows.h.
set(TOLLGATE_DIR ${CMAKE_SOURCE_DIR}/tollgate)
file(GLOB TOLLGATE_RULES_SOURCES CONFIGURE_DEPENDS ${TOLLGATE_DIR}/*/*_rules.cpp)
add_executable(tollgate_unit_tests ${CMAKE_CURRENT_SOURCE_DIR}/tollgate_rules_tests.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/tollgate_launcher_rules_tests.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/tollgate_entry_tests.cpp
  ${TOLLGATE_RULES_SOURCES}
  ${TOLLGATE_DIR}/medium/entry_split.cpp
  ${TOLLGATE_DIR}/mediacheck/package_name.cpp
  ${CMAKE_SOURCE_DIR}/common/bounded_text.cpp
  ${TOLLGATE_DIR}/medium/ini_number.cpp
  ${TOLLGATE_DIR}/medium/launcher_paths.cpp
  ${TOLLGATE_DIR}/medium/msu_file.cpp
  ${CMAKE_SOURCE_DIR}/common/text_case.cpp
  ${TOLLGATE_DIR}/mediacheck/nearest_key.cpp)
house_target(tollgate_unit_tests)
target_include_directories(tollgate_unit_tests PRIVATE ${CMAKE_SOURCE_DIR} ${TOLLGATE_DIR})
target_link_libraries(tollgate_unit_tests PRIVATE gtest_main)
house_test(unit.tollgate tollgate_unit_tests)

# The same parts under AddressSanitizer and UndefinedBehaviorSanitizer, with a seeded fuzz
# loop: a few seconds here, longer in the soak command.
set(SANITIZE -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
add_executable(tollgate_fuzz ${CMAKE_CURRENT_SOURCE_DIR}/tollgate_fuzz.cpp
  ${CMAKE_SOURCE_DIR}/common/bounded_text.cpp
  ${TOLLGATE_DIR}/medium/ini_number.cpp
  ${TOLLGATE_DIR}/medium/launcher_paths.cpp
  ${TOLLGATE_DIR}/steps/os_class_rules.cpp
  ${TOLLGATE_DIR}/medium/msu_file.cpp
  ${CMAKE_SOURCE_DIR}/common/text_case.cpp
  ${TOLLGATE_DIR}/mediacheck/nearest_key.cpp)
house_target(tollgate_fuzz)
target_include_directories(tollgate_fuzz PRIVATE ${CMAKE_SOURCE_DIR} ${TOLLGATE_DIR})
target_compile_options(tollgate_fuzz PRIVATE ${SANITIZE})
target_link_options(tollgate_fuzz PRIVATE ${SANITIZE})
house_test(unit.tollgate.fuzz tollgate_fuzz 4 20261209)
target_compile_options(tollgate_unit_tests PRIVATE ${SANITIZE})
target_link_options(tollgate_unit_tests PRIVATE ${SANITIZE})
