# The layers. Every folder's code is one library that sees only its own headers
# and those of the libraries it links: each library publishes its headers
# through an include root of its own (<build>/include/<library>/<folder>/<file>,
# links to the sources), so "net/HttpClient.h" resolves only where lookout_net
# is linked. What each library may use is written once, in LOOKOUT_LAYERS, and
# lookout_library() links exactly that, so a folder cannot drift from the table.
# lookout_check_layers() refuses any other link, and any library made otherwise,
# at configure time; the test "layering" refuses a header outside the table
# among those the compiler opened, however the include was spelled, a toolkit
# header in a toolkit-free library among them.

# library: the libraries it may use. A "+name" is an outside library: +fltk is
# the toolkit and X, +cares the resolver, +notify the desktop notifications,
# +sockets the system's socket library (Winsock; the C library elsewhere),
# +tls the TLS library (OpenSSL; SChannel and the chain engine on Windows),
# +sqlite the SQLite library (Debian's; none on Windows, see LOOKOUT_UNBUILT).
set(LOOKOUT_LAYERS
  "lookout_textconv:"
  "lookout_platform: +sockets"
  "lookout_credits:"
  "lookout_net: lookout_platform +cares +tls"
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

# The outside libraries the table names, one a line: "+name: the target that
# stands for it". The top-level CMakeLists makes these targets from what the
# system offers, before it includes this file, and what each links then is
# all it stands for: a link added later is refused. One the system lacks is not
# made and linked by nobody (the desktop notifications and SQLite on Windows,
# where lookout-status says they are missing).
set(LOOKOUT_OUTSIDE
  "+fltk: lookout_fltk"
  "+cares: lookout_cares"
  "+notify: lookout_notify"
  "+sockets: lookout_sockets"
  "+tls: lookout_tls"
  "+sqlite: lookout_sqlite"
)
foreach(line IN LISTS LOOKOUT_OUTSIDE)
  string(REGEX MATCH "^\\+[a-z]+: ([a-z_]+)$" _ "${line}")
  if(TARGET ${CMAKE_MATCH_1})
    get_property(made TARGET ${CMAKE_MATCH_1} PROPERTY INTERFACE_LINK_LIBRARIES)
    set_property(TARGET ${CMAKE_MATCH_1} PROPERTY LOOKOUT_MADE_LINKS "${made}")
  endif()
endforeach()

# The target of the outside library +name, empty when this build lacks it.
function(lookout_outside_target name out)
  foreach(line IN LISTS LOOKOUT_OUTSIDE)
    if(line MATCHES "^\\+${name}: ([a-z_]+)$")
      if(TARGET ${CMAKE_MATCH_1})
        set(${out} ${CMAKE_MATCH_1} PARENT_SCOPE)
      else()
        set(${out} "" PARENT_SCOPE)
      endif()
      return()
    endif()
  endforeach()
  message(FATAL_ERROR "LOOKOUT_LAYERS names an unknown outside library +${name}")
endfunction()

# The targets the table lets `library` link, and the outside libraries it
# names ("fltk tls"; "-" for none), whose headers it alone may include.
function(lookout_layer_of library out_links out_outside)
  set(found OFF)
  set(links "")
  set(outside "")
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
          list(APPEND outside ${CMAKE_MATCH_1})
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
  if(NOT outside)
    set(outside "-")
  endif()
  string(JOIN " " outside ${outside})
  set(${out_outside} "${outside}" PARENT_SCOPE)
endfunction()

# lookout_library(NAME SOURCES file... HEADERS header... [SJIS file...]): the
# folder's one library, linked to what its layer allows and to nothing else,
# its headers published through its own include root. Sources are plain paths
# (an OS-specific one under ${LOOKOUT_OS}/), so the include check reads them
# all. SJIS names the files whose literals are compiled to Shift-JIS.
function(lookout_library name)
  cmake_parse_arguments(L "" "" "SOURCES;HEADERS;SJIS" ${ARGN})
  lookout_layer_of(${name} links outside)
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

# The build-system targets of folder `dir` and of every folder below it.
function(lookout_targets_under dir out)
  get_property(targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
  get_property(subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
  foreach(sub IN LISTS subdirs)
    lookout_targets_under(${sub} more)
    list(APPEND targets ${more})
  endforeach()
  set(${out} "${targets}" PARENT_SCOPE)
endfunction()

# Refuses `target`'s links that are not among `allowed` (static libraries, whose
# PRIVATE links reach their users as $<LINK_ONLY:x>, and executables alike).
function(lookout_check_links target allowed)
  get_target_property(type ${target} TYPE)
  set(links "")
  if(NOT type STREQUAL "INTERFACE_LIBRARY")
    get_target_property(links ${target} LINK_LIBRARIES)
  endif()
  get_target_property(interface_links ${target} INTERFACE_LINK_LIBRARIES)
  foreach(link IN LISTS links interface_links)
    string(REGEX REPLACE "^\\$<LINK_ONLY:(.*)>$" "\\1" link "${link}")
    if(link AND NOT link IN_LIST allowed)
      message(FATAL_ERROR "${target} links ${link}, which its layer does not allow "
        "(see LOOKOUT_LAYERS; declare libraries with lookout_library)")
    endif()
  endforeach()
endfunction()

# Checks the whole build against the table: every library outside tests/,
# bench/, fuzz/ and third_party/ is made by lookout_library() or is an outside
# target; each links exactly what its layer allows (no toolkit or X linked by
# name, no library outside the table, no INTERFACE or PRIVATE extra), and its
# sources are plain paths; an outside target links only what it was made with;
# an entry point in a library's folder links only what that library may.
# Then writes what the include check reads: one line a file,
# "library|outside libraries|allowed libraries|file", headers marked with a
# leading "h:";
# an entry point's sources count as its folder's library.
function(lookout_check_layers)
  set(outside "")
  foreach(line IN LISTS LOOKOUT_OUTSIDE)
    string(REGEX MATCH "^\\+[a-z]+: ([a-z_]+)$" _ "${line}")
    list(APPEND outside ${CMAKE_MATCH_1})
  endforeach()
  set(layered "")
  foreach(entry IN LISTS LOOKOUT_LAYERS)
    string(REGEX MATCH "^([a-z_]+):" _ "${entry}")
    list(APPEND layered ${CMAKE_MATCH_1})
  endforeach()
  foreach(target IN LISTS outside)
    if(NOT TARGET ${target})
      continue()
    endif()
    get_property(made TARGET ${target} PROPERTY LOOKOUT_MADE_LINKS)
    get_property(links TARGET ${target} PROPERTY INTERFACE_LINK_LIBRARIES)
    if(NOT "${links}" STREQUAL "${made}")
      message(FATAL_ERROR "${target} links ${links}, more than it was made with (${made}): an outside "
        "target stands for its outside library alone")
    endif()
    foreach(link IN LISTS links)
      if(link IN_LIST outside OR link IN_LIST layered)
        message(FATAL_ERROR "${target} links ${link}: an outside target stands for its outside library alone")
      endif()
    endforeach()
  endforeach()

  lookout_targets_under(${CMAKE_SOURCE_DIR} targets)
  set(manifest "")
  foreach(target IN LISTS targets)
    get_target_property(type ${target} TYPE)
    get_target_property(dir ${target} SOURCE_DIR)
    file(RELATIVE_PATH where ${CMAKE_SOURCE_DIR} ${dir})
    if(NOT type MATCHES "_LIBRARY$" OR target IN_LIST outside OR where MATCHES "^(tests|bench|fuzz|third_party|\\.\\.)(/|$)")
      continue()
    endif()
    get_target_property(declared ${target} LOOKOUT_DECLARED)
    if(NOT declared)
      message(FATAL_ERROR "${target} in ${dir} is a library not made by lookout_library: every library of ours "
        "is one folder's, in LOOKOUT_LAYERS")
    endif()
  endforeach()

  foreach(library IN LISTS layered)
    if(NOT TARGET ${library})
      continue()
    endif()
    lookout_layer_of(${library} allowed_links named)
    lookout_check_links(${library} "${allowed_links}")
    set(layer_links "")
    foreach(link IN LISTS allowed_links)
      if(NOT link IN_LIST outside)
        list(APPEND layer_links ${link})
      endif()
    endforeach()
    string(JOIN " " allowed ${library} ${layer_links})
    get_target_property(dir ${library} SOURCE_DIR)
    get_target_property(sources ${library} SOURCES)
    get_target_property(interface_sources ${library} INTERFACE_SOURCES)
    set(files ${sources} ${interface_sources})
    # The entry points that live in the library's folder.
    get_property(here DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
    foreach(program IN LISTS here)
      get_target_property(type ${program} TYPE)
      if(type STREQUAL "EXECUTABLE")
        lookout_check_links(${program} "${library};${allowed_links}")
        get_target_property(program_sources ${program} SOURCES)
        list(APPEND files ${program_sources})
      endif()
    endforeach()
    foreach(source IN LISTS files)
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
      # What the compiler opens is known of the C and C++ sources (not of a
      # Windows resource script an entry point may have).
      if(NOT source MATCHES "\\.(c|cc|cpp)$")
        continue()
      endif()
      string(APPEND manifest "${library}|${named}|${allowed}|${source}\n")
    endforeach()
    get_target_property(headers ${library} LOOKOUT_HEADERS)
    foreach(header IN LISTS headers)
      if(header)
        string(APPEND manifest "${library}|${named}|${allowed}|h:${header}\n")
      endif()
    endforeach()
  endforeach()
  file(WRITE ${CMAKE_BINARY_DIR}/layers.txt "${manifest}")
endfunction()
