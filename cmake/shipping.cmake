# How the shipped programs (kestrel.exe, Setup.exe, mediacheck.exe) and the libraries they are
# made of are compiled and linked: small, and the same bytes from any folder at any time.
# Tests link these very libraries, so they test the code that ships.

set(SHIPPED_LIBRARIES bounded_text device_catalogue kestrel_lib tollgate_lib mediacheck_lib)
set(SHIPPED_PROGRAMS kestrel Setup mediacheck)

# Size: no exceptions or run-time type information are used, and each function in a section
# of its own lets the linker drop what nothing calls. (Not -fdata-sections: for PE it moves
# zero-filled buffers from .bss into the file.)
set(SHIP_COMPILE -Os -ffunction-sections -fno-exceptions -fno-rtti
  # The source folder must not end up in the programs.
  -ffile-prefix-map=${CMAKE_SOURCE_DIR}/=)
# Stripped at the link, so that what the tests run is what ships; no time stamp in the header.
set(SHIP_LINK -Wl,--gc-sections -s -Wl,--no-insert-timestamp)

foreach(t IN LISTS SHIPPED_LIBRARIES SHIPPED_PROGRAMS)
  target_compile_options(${t} PRIVATE ${SHIP_COMPILE})
endforeach()
foreach(t IN LISTS SHIPPED_PROGRAMS)
  target_link_options(${t} PRIVATE ${SHIP_LINK})
endforeach()

# The shipped build (i686) proves it: built again from another folder, the same bytes.
if(CMAKE_SYSTEM_PROCESSOR STREQUAL "i686")
  house_test(dist.reproducible ${CMAKE_SOURCE_DIR}/tests/check-reproducible.sh ${CMAKE_SOURCE_DIR}
             ${CMAKE_SYSTEM_PROCESSOR} ${BIN_DIR})
  set_tests_properties(${ARCH_TAG}.dist.reproducible PROPERTIES TIMEOUT 1500)
endif()
