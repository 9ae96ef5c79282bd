# Shared build helpers.

# A library or program whose output lands in the install tree, found at run time beside the program.
function(loamix_place_in_install_tree target)
  set_target_properties(${target} PROPERTIES
    RUNTIME_OUTPUT_DIRECTORY ${LOAMIX_INSTALL_DIR}
    LIBRARY_OUTPUT_DIRECTORY ${LOAMIX_INSTALL_DIR}
    BUILD_RPATH "$ORIGIN"
    INSTALL_RPATH "$ORIGIN")
  # cmake/Install.cmake installs each of them into the program folder.
  set_property(GLOBAL APPEND PROPERTY LOAMIX_PROGRAM_TARGETS ${target})
endfunction()

# A GoogleTest executable, registered with CTest case by case. With GUI, its main makes a
# QApplication first (widgets, fonts, pictures).
include(GoogleTest)
function(loamix_gtest name)
  cmake_parse_arguments(ARG "GUI" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  if(ARG_GUI)
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} lxguitestmain GTest::gtest GTest::gmock)
  else()
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main GTest::gmock)
  endif()
  target_compile_definitions(${name} PRIVATE LOAMIX_INSTALL_DIR="${LOAMIX_INSTALL_DIR}"
    LOAMIX_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8")
endfunction()

# A Qt Test executable (windows clicked offscreen).
function(loamix_qtest name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} Qt6::Test)
  target_compile_definitions(${name} PRIVATE LOAMIX_INSTALL_DIR="${LOAMIX_INSTALL_DIR}"
    LOAMIX_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8")
endfunction()

# The tests of one test folder: every *Test.cpp joins one GoogleTest program, <family>_tests
# (with a QApplication, for the windows and picture surfaces); every tst_*.cpp is a Qt Test
# program of its own that drives the real windows (the road programs on the shared
# RoadTest). Each links LIBS, sees the INCLUDES folders and the DEFINITIONS, and waits for the
# installed files and libraries it reads (INSTALLED targets).
function(loamix_family_tests family)
  cmake_parse_arguments(ARG "" "" "LIBS;INSTALLED;INCLUDES;DEFINITIONS" ${ARGN})
  file(GLOB gtests CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*Test.cpp)
  file(GLOB qtests CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/tst_*.cpp)
  set(programs)
  if(gtests)
    loamix_gtest(${family}_tests GUI SOURCES ${gtests} LIBS ${ARG_LIBS} lxtesting lxdbpack)
    list(APPEND programs ${family}_tests)
  endif()
  foreach(src IN LISTS qtests)
    get_filename_component(name ${src} NAME_WE)
    loamix_qtest(${name} SOURCES ${src} LIBS ${ARG_LIBS} lxtesting lxdbpack lxroadtest)
    list(APPEND programs ${name})
  endforeach()
  foreach(program IN LISTS programs)
    if(ARG_INSTALLED)
      add_dependencies(${program} ${ARG_INSTALLED})
    endif()
    if(ARG_INCLUDES)
      target_include_directories(${program} PRIVATE ${ARG_INCLUDES})
    endif()
    if(ARG_DEFINITIONS)
      target_compile_definitions(${program} PRIVATE ${ARG_DEFINITIONS})
    endif()
  endforeach()
endfunction()

# Packs data/<source> (schema.sql plus one CSV per table) into an encrypted database in the install tree.
function(loamix_pack_database source out password)
  file(GLOB inputs CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/data/${source}/*)
  set(output ${LOAMIX_INSTALL_DIR}/${out})
  add_custom_command(OUTPUT ${output}
    COMMAND dbpack --source ${CMAKE_SOURCE_DIR}/data/${source} --password ${password} --out ${output}
    DEPENDS dbpack ${inputs}
    COMMENT "Packing ${out}" VERBATIM)
  string(MAKE_C_IDENTIFIER "db_${out}" tgt)
  add_custom_target(${tgt} ALL DEPENDS ${output})
endfunction()
