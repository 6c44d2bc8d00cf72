# The layers. Every folder's code is a library that sees only its own headers
# and those of the libraries it links: each library publishes its headers
# through an include root of its own (<build>/include/<library>/<folder>/<file>,
# links to the sources), so "net/HttpClient.h" resolves only where lookout_net
# is linked. What each library may use is written once, in LOOKOUT_LAYERS;
# lookout_check_layers() refuses a link outside it at configure time, and the
# test "layering" refuses an include outside it, a toolkit include in a
# toolkit-free library among them.

# library: the libraries it may use. A trailing "+fltk" lets it use FLTK and X.
set(LOOKOUT_LAYERS
  "lookout_textconv:"
  "lookout_core:"
  "lookout_credits:"
  "lookout_net: lookout_core"
  "lookout_monitor: lookout_core"
  "lookout_refresh: lookout_monitor lookout_net lookout_textconv lookout_credits lookout_core"
  "lookout_demo: lookout_core"
  "lookout_companion: lookout_refresh lookout_monitor lookout_net lookout_textconv lookout_core"
  "lookout_platform_gui: lookout_core +fltk"
  "lookout_resources: lookout_credits lookout_core +fltk"
  "lookout_ui: lookout_platform_gui lookout_resources lookout_credits lookout_core +fltk"
  "lookout_monitor_gui: lookout_refresh lookout_monitor lookout_net lookout_textconv lookout_platform_gui lookout_ui lookout_resources lookout_credits lookout_core +fltk"
)

# Tests, benchmarks and fuzz targets see the program through the libraries
# they link, and the test support code through this root.
set(LOOKOUT_TESTS_INCLUDE ${CMAKE_BINARY_DIR}/include/tests)
file(MAKE_DIRECTORY ${LOOKOUT_TESTS_INCLUDE})
file(CREATE_LINK ${CMAKE_SOURCE_DIR}/tests ${LOOKOUT_TESTS_INCLUDE}/tests SYMBOLIC)

# lookout_headers(library header...): the library's headers, published through
# its own include root. Call it in the library's folder.
function(lookout_headers library)
  file(RELATIVE_PATH folder ${CMAKE_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
  set(root ${CMAKE_BINARY_DIR}/include/${library})
  foreach(header IN LISTS ARGN)
    file(MAKE_DIRECTORY ${root}/${folder})
    file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR}/${header} ${root}/${folder}/${header} SYMBOLIC)
    list(APPEND files ${CMAKE_CURRENT_SOURCE_DIR}/${header})
  endforeach()
  get_target_property(type ${library} TYPE)
  if(type STREQUAL "INTERFACE_LIBRARY")
    target_include_directories(${library} INTERFACE ${root})
  else()
    target_include_directories(${library} PUBLIC ${root})
  endif()
  set_property(TARGET ${library} PROPERTY LOOKOUT_HEADERS ${files})
endfunction()

function(lookout_layer_of library out_uses out_fltk)
  set(${out_uses} "" PARENT_SCOPE)
  set(${out_fltk} OFF PARENT_SCOPE)
  foreach(entry IN LISTS LOOKOUT_LAYERS)
    string(REGEX MATCH "^([a-z_]+):(.*)$" _ "${entry}")
    if(CMAKE_MATCH_1 STREQUAL library)
      string(REPLACE " " ";" uses "${CMAKE_MATCH_2}")
      list(REMOVE_ITEM uses "" "+fltk")
      set(${out_uses} "${uses}" PARENT_SCOPE)
      if(CMAKE_MATCH_2 MATCHES "\\+fltk")
        set(${out_fltk} ON PARENT_SCOPE)
      endif()
    endif()
  endforeach()
endfunction()

# Checks the links of every library of the table that this build makes, and
# writes what the include check reads: one line a file,
# "library|fltk|allowed libraries|file", headers marked with a leading "h:".
function(lookout_check_layers)
  set(manifest "")
  set(layered "")
  foreach(entry IN LISTS LOOKOUT_LAYERS)
    string(REGEX MATCH "^([a-z_]+):" _ "${entry}")
    if(TARGET ${CMAKE_MATCH_1})
      list(APPEND layered ${CMAKE_MATCH_1})
    endif()
  endforeach()
  foreach(library IN LISTS layered)
    lookout_layer_of(${library} uses fltk)
    get_target_property(type ${library} TYPE)
    if(type STREQUAL "INTERFACE_LIBRARY")
      get_target_property(links ${library} INTERFACE_LINK_LIBRARIES)
    else()
      get_target_property(links ${library} LINK_LIBRARIES)
    endif()
    foreach(link IN LISTS links)
      if(link STREQUAL "lookout_fltk" AND NOT fltk)
        message(FATAL_ERROR "${library} links the toolkit, which its layer does not allow")
      endif()
      if(link IN_LIST layered AND NOT link IN_LIST uses)
        message(FATAL_ERROR "${library} links ${link}, which its layer does not allow (see LOOKOUT_LAYERS)")
      endif()
    endforeach()
    get_target_property(dir ${library} SOURCE_DIR)
    get_target_property(sources ${library} SOURCES)
    get_target_property(headers ${library} LOOKOUT_HEADERS)
    string(JOIN " " allowed ${library} ${uses})
    foreach(source IN LISTS sources)
      if(source AND NOT source MATCHES "^\\$<" AND NOT IS_ABSOLUTE ${source})
        set(source ${dir}/${source})
      endif()
      if(source AND NOT source MATCHES "^\\$<")
        string(APPEND manifest "${library}|${fltk}|${allowed}|${source}\n")
      endif()
    endforeach()
    foreach(header IN LISTS headers)
      if(header)
        string(APPEND manifest "${library}|${fltk}|${allowed}|h:${header}\n")
      endif()
    endforeach()
  endforeach()
  file(WRITE ${CMAKE_BINARY_DIR}/layers.txt "${manifest}")
endfunction()
