# The fuzz targets' functions as a library of their own: the fuzzers link it
# with libFuzzer's driver, and the normal test run links it to replay every
# kept crash input through the very same code (tests/hardening).
if(NOT TARGET quarnel_fuzz_targets)
  add_library(quarnel_fuzz_targets STATIC
    ${CMAKE_CURRENT_LIST_DIR}/ConversionTarget.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FuzzTargetList.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PartBundle.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SchemeTarget.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ScratchFiles.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SentDateTarget.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SettingsTarget.cpp
    ${CMAKE_CURRENT_LIST_DIR}/WorkbookTargets.cpp
  )
  target_include_directories(quarnel_fuzz_targets PUBLIC ${CMAKE_CURRENT_LIST_DIR})
  target_link_libraries(quarnel_fuzz_targets PUBLIC quarnel_core PkgConfig::LIBZIP PkgConfig::LIBXML2)
endif()
