# Win32 tests of tollgate: the launcher's code in this process against Wine's registry,
# profile files, processes, shell, device catalogue, dialogs and the installer stand-in.
file(GLOB WIN_TOLLGATE_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/tollgate_*_tests.cpp)
add_executable(win_tollgate_tests ${WIN_TOLLGATE_SOURCES} ${CMAKE_CURRENT_SOURCE_DIR}/tollgate_support.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/win_support.cpp ${CMAKE_CURRENT_SOURCE_DIR}/resource_balance.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/setting_ini_generator.cpp
  $<TARGET_OBJECTS:tollgate_ui_res>)
house_target(win_tollgate_tests)
target_include_directories(win_tollgate_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(win_tollgate_tests PRIVATE tollgate_lib mediacheck_lib vtuner_control stick_state record_file
  gtest_main)
add_dependencies(win_tollgate_tests setupstub vtuner hotfixstub mediacheck)

if(WINE_TESTS)
  foreach(suite Settings Messages FurtherApps Packages Device Dialog Automation Hardening
                MediumProblems MediumProblemTexts MediaCheckProgram Balance SettingFuzz)
    wine_test(win.tollgate.${suite} win_tollgate_tests --gtest_filter=${suite}.*:*/${suite}.*)
  endforeach()
  # A short run here; the soak command reads its full 10,000 files.
  set(fuzz_tests ${ARCH_TAG}.win.tollgate.SettingFuzz)
  if(WINE_TEMPLATE_WOW64)
    list(APPEND fuzz_tests ${ARCH_TAG}.wow64.win.tollgate.SettingFuzz)
  endif()
  set_tests_properties(${fuzz_tests} PROPERTIES ENVIRONMENT "SETTING_FUZZ_FILES=600")
endif()
