# velmora_add_test(NAME name SOURCES ... LIBS ... [GUI] [DATA])
#   GUI: the test paints or uses widgets (runs on the offscreen platform).
#   DATA: the test uses the database; it is registered twice, once on a
#         fresh SQLite file and once on the PostgreSQL server that
#         `make test` starts (VELMORA_TEST_PG).
function(velmora_add_test)
  cmake_parse_arguments(T "GUI;DATA" "NAME" "SOURCES;LIBS" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  target_link_libraries(${T_NAME} PRIVATE Qt6::Test velmora_testsupport ${T_LIBS})
  set(env "QT_QPA_PLATFORM=offscreen")
  if(T_DATA)
    add_test(NAME ${T_NAME}.sqlite COMMAND ${T_NAME})
    set_tests_properties(${T_NAME}.sqlite PROPERTIES ENVIRONMENT "${env};VELMORA_TEST_ENGINE=sqlite")
    add_test(NAME ${T_NAME}.postgres COMMAND ${T_NAME})
    set_tests_properties(${T_NAME}.postgres PROPERTIES ENVIRONMENT "${env};VELMORA_TEST_ENGINE=postgres")
  else()
    add_test(NAME ${T_NAME} COMMAND ${T_NAME})
    set_tests_properties(${T_NAME} PROPERTIES ENVIRONMENT "${env}")
  endif()
endfunction()
