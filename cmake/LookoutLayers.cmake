# The layers. Every folder's code is one library that sees only its own headers
# and those of the libraries it links: each library publishes its headers
# through an include root of its own (<build>/include/<library>/<folder>/<file>,
# links to the sources), so "net/HttpClient.h" resolves only where lookout_net
# is linked. What each library may use is written once, in LOOKOUT_LAYERS, and
# lookout_library() links exactly that, so a folder cannot drift from the table.
# lookout_check_layers() refuses any other link at configure time, and the test
# "layering" refuses an include outside the table, a toolkit include in a
# toolkit-free library among them.

# library: the libraries it may use. A "+name" is an outside library: +fltk is
# the toolkit and X, +cares the resolver, +notify the desktop notifications,
# +sockets the system's socket library (Winsock; the C library elsewhere),
# +sqlite the SQLite library (Debian's; none on Windows, see LOOKOUT_UNBUILT).
set(LOOKOUT_LAYERS
  "lookout_textconv:"
  "lookout_platform: +sockets"
  "lookout_credits:"
  "lookout_net: lookout_platform +cares"
  "lookout_monitor: lookout_platform"
  "lookout_refresh: lookout_monitor lookout_net lookout_textconv lookout_credits lookout_platform"
  "lookout_demo: lookout_platform"
  "lookout_history: lookout_monitor lookout_platform +sqlite"
  "lookout_companion: lookout_history lookout_refresh lookout_monitor lookout_net lookout_textconv lookout_credits lookout_platform +notify"
  "lookout_toolkit: lookout_platform +fltk"
  "lookout_resources: lookout_credits lookout_platform +fltk"
  "lookout_ui: lookout_toolkit lookout_resources lookout_credits lookout_platform +fltk"
  "lookout_window: lookout_refresh lookout_monitor lookout_net lookout_textconv lookout_toolkit lookout_ui lookout_resources lookout_credits lookout_platform +fltk"
)

# The libraries this build leaves out, as it lacks their outside library: the
# history store on Windows, which has no SQLite of ours. Their users link them
# only where they are built; the users' seams under windows/ stand in.
if(WIN32)
  set(LOOKOUT_UNBUILT lookout_history)
else()
  set(LOOKOUT_UNBUILT "")
endif()

# The operating system's side of each platform seam lives in a subfolder named
# after it, beside the seam's header: posix/ here, windows/ for Windows.
if(WIN32)
  set(LOOKOUT_OS windows)
else()
  set(LOOKOUT_OS posix)
endif()

# Tests, benchmarks and fuzz targets see the program through the libraries
# they link, and the test support code through this root.
set(LOOKOUT_TESTS_INCLUDE ${CMAKE_BINARY_DIR}/include/tests)
file(MAKE_DIRECTORY ${LOOKOUT_TESTS_INCLUDE})
file(CREATE_LINK ${CMAKE_SOURCE_DIR}/tests ${LOOKOUT_TESTS_INCLUDE}/tests SYMBOLIC)

# The target each outside library of the table stands for; none for the
# desktop notifications and SQLite on Windows, where lookout-status says they
# are missing.
function(lookout_outside_target name out)
  if(name STREQUAL "fltk")
    set(${out} lookout_fltk PARENT_SCOPE)
  elseif(name STREQUAL "cares")
    set(${out} lookout_cares PARENT_SCOPE)
  elseif(name STREQUAL "notify" OR name STREQUAL "sqlite")
    if(WIN32)
      set(${out} "" PARENT_SCOPE)
    else()
      set(${out} lookout_${name} PARENT_SCOPE)
    endif()
  elseif(name STREQUAL "sockets")
    set(${out} lookout_sockets PARENT_SCOPE)
  else()
    message(FATAL_ERROR "LOOKOUT_LAYERS names an unknown outside library +${name}")
  endif()
endfunction()

# The targets the table lets `library` link, and whether it may use the toolkit.
function(lookout_layer_of library out_links out_fltk)
  set(found OFF)
  set(links "")
  set(fltk OFF)
  foreach(entry IN LISTS LOOKOUT_LAYERS)
    string(REGEX MATCH "^([a-z_]+):(.*)$" _ "${entry}")
    if(CMAKE_MATCH_1 STREQUAL library)
      set(found ON)
      string(REPLACE " " ";" uses "${CMAKE_MATCH_2}")
      foreach(use IN LISTS uses)
        if(use MATCHES "^\\+(.+)$")
          lookout_outside_target(${CMAKE_MATCH_1} target)
          if(target)
            list(APPEND links ${target})
          endif()
          if(use STREQUAL "+fltk")
            set(fltk ON)
          endif()
        elseif(use AND NOT use IN_LIST LOOKOUT_UNBUILT)
          list(APPEND links ${use})
        endif()
      endforeach()
    endif()
  endforeach()
  if(NOT found)
    message(FATAL_ERROR "${library} is not in LOOKOUT_LAYERS")
  endif()
  set(${out_links} "${links}" PARENT_SCOPE)
  set(${out_fltk} ${fltk} PARENT_SCOPE)
endfunction()

# lookout_library(NAME SOURCES file... HEADERS header... [SJIS file...]): the
# folder's one library, linked to what its layer allows and to nothing else,
# its headers published through its own include root. Sources are plain paths
# (an OS-specific one under ${LOOKOUT_OS}/), so the include check reads them
# all. SJIS names the files whose literals are compiled to Shift-JIS.
function(lookout_library name)
  cmake_parse_arguments(L "" "" "SOURCES;HEADERS;SJIS" ${ARGN})
  lookout_layer_of(${name} links fltk)
  if(L_SOURCES)
    add_library(${name} STATIC ${L_SOURCES})
    target_link_libraries(${name} PUBLIC ${links})
    set(scope PUBLIC)
  else()
    add_library(${name} INTERFACE)
    target_link_libraries(${name} INTERFACE ${links})
    set(scope INTERFACE)
  endif()
  file(RELATIVE_PATH folder ${CMAKE_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
  set(root ${CMAKE_BINARY_DIR}/include/${name})
  set(files "")
  foreach(header IN LISTS L_HEADERS)
    get_filename_component(sub ${folder}/${header} DIRECTORY)
    file(MAKE_DIRECTORY ${root}/${sub})
    file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR}/${header} ${root}/${folder}/${header} SYMBOLIC)
    list(APPEND files ${CMAKE_CURRENT_SOURCE_DIR}/${header})
  endforeach()
  target_include_directories(${name} ${scope} ${root})
  set_property(TARGET ${name} PROPERTY LOOKOUT_HEADERS ${files})
  set_property(TARGET ${name} PROPERTY LOOKOUT_DECLARED ON)
  if(L_SJIS)
    lookout_sjis_literals(${L_SJIS})
  endif()
endfunction()

# Checks every library of the table that this build makes: it links exactly
# what its layer allows (no toolkit or X linked by name, no library outside the
# table, no INTERFACE or PRIVATE extra), and its sources are plain paths. Then
# writes what the include check reads: one line a file,
# "library|fltk|allowed libraries|file", headers marked with a leading "h:".
function(lookout_check_layers)
  set(manifest "")
  foreach(entry IN LISTS LOOKOUT_LAYERS)
    string(REGEX MATCH "^([a-z_]+):" _ "${entry}")
    set(library ${CMAKE_MATCH_1})
    if(NOT TARGET ${library})
      continue()
    endif()
    lookout_layer_of(${library} allowed_links fltk)
    get_target_property(type ${library} TYPE)
    set(links "")
    if(NOT type STREQUAL "INTERFACE_LIBRARY")
      get_target_property(links ${library} LINK_LIBRARIES)
    endif()
    get_target_property(interface_links ${library} INTERFACE_LINK_LIBRARIES)
    foreach(link IN LISTS links interface_links)
      # A PRIVATE link of a static library reaches its users as $<LINK_ONLY:x>.
      string(REGEX REPLACE "^\\$<LINK_ONLY:(.*)>$" "\\1" link "${link}")
      if(link AND NOT link IN_LIST allowed_links)
        message(FATAL_ERROR "${library} links ${link}, which its layer does not allow "
          "(see LOOKOUT_LAYERS; declare libraries with lookout_library)")
      endif()
    endforeach()
    get_target_property(declared ${library} LOOKOUT_DECLARED)
    if(NOT declared)
      message(FATAL_ERROR "${library} was not declared with lookout_library")
    endif()
    get_target_property(dir ${library} SOURCE_DIR)
    get_target_property(sources ${library} SOURCES)
    get_target_property(interface_sources ${library} INTERFACE_SOURCES)
    get_target_property(headers ${library} LOOKOUT_HEADERS)
    set(layer_links "")
    foreach(link IN LISTS allowed_links)
      if(link MATCHES "^lookout_" AND NOT link MATCHES "^lookout_(fltk|cares|notify|sockets|sqlite)$")
        list(APPEND layer_links ${link})
      endif()
    endforeach()
    string(JOIN " " allowed ${library} ${layer_links})
    foreach(source IN LISTS sources interface_sources)
      if(NOT source)
        continue()
      endif()
      if(source MATCHES "\\$<")
        message(FATAL_ERROR "${library} has the source ${source}: sources must be plain "
          "paths, so that the include check reads every one")
      endif()
      if(NOT IS_ABSOLUTE ${source})
        set(source ${dir}/${source})
      endif()
      string(APPEND manifest "${library}|${fltk}|${allowed}|${source}\n")
    endforeach()
    foreach(header IN LISTS headers)
      if(header)
        string(APPEND manifest "${library}|${fltk}|${allowed}|h:${header}\n")
      endif()
    endforeach()
  endforeach()
  file(WRITE ${CMAKE_BINARY_DIR}/layers.txt "${manifest}")
endfunction()
