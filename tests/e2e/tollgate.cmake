# End-to-end: Setup.exe started from a test medium as the medium's autorun would, seen
# only from outside (the stand-ins' records, message boxes, the registry, the device).
house_test(tollgate.imports ${CMAKE_SOURCE_DIR}/tests/check-imports.sh ${CMAKE_OBJDUMP}
  $<TARGET_FILE:Setup> $<TARGET_FILE:mediacheck>)

file(GLOB E2E_TOLLGATE_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/tollgate_e2e_*.cpp)
add_executable(e2e_tollgate ${E2E_TOLLGATE_SOURCES} ${CMAKE_SOURCE_DIR}/tests/win/tollgate_support.cpp
  ${CMAKE_SOURCE_DIR}/tests/win/win_support.cpp)
house_target(e2e_tollgate)
target_include_directories(e2e_tollgate PRIVATE ${CMAKE_SOURCE_DIR}/tests/win ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(e2e_tollgate PRIVATE mediacheck_lib vtuner_control stick_state record_file gtest_main)
add_dependencies(e2e_tollgate Setup setupstub vtuner tuner)

if(WINE_TESTS)
  foreach(suite Classes Media BadInput DeviceByte Install ExitCodes DllSearch Agreement)
    wine_test(e2e.tollgate.${suite} e2e_tollgate --gtest_filter=${suite}.*:*/${suite}.*)
  endforeach()
endif()

# Message boxes of a launcher run, for the demonstration.
add_executable(launcherwatch launcherwatch.cpp ${CMAKE_SOURCE_DIR}/tests/win/tollgate_support.cpp
  ${CMAKE_SOURCE_DIR}/tests/win/win_support.cpp)
house_target(launcherwatch)
target_include_directories(launcherwatch PRIVATE ${CMAKE_SOURCE_DIR}/tests/win)
target_link_libraries(launcherwatch PRIVATE stick_state record_file)

# The DLL search restriction, proven with a DLL planted beside a program that makes the
# same call at start as Setup.exe does.
add_executable(tollgate_dllprobe tollgate_dllprobe.cpp)
house_target(tollgate_dllprobe)
target_link_libraries(tollgate_dllprobe PRIVATE tollgate_lib)
add_library(tollgate_planted SHARED tollgate_planted.cpp)
house_target(tollgate_planted)
set_target_properties(tollgate_planted PROPERTIES PREFIX "")
add_dependencies(e2e_tollgate tollgate_dllprobe tollgate_planted hotfixstub)
