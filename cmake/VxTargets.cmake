# Build settings shared by the native, the Windows and the fuzz builds.

set(VX_SUBSYSTEMS app ui listctrl model stage database editors project)

if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  # Literals reach the program in code page 932, exactly as the editor stores its texts.
  set(VX_CHARSET_FLAGS -finput-charset=UTF-8 -fexec-charset=CP932)
else()
  set(VX_CHARSET_FLAGS)
endif()

if(NOT VX_WINDOWS AND NOT VX_FUZZ AND VX_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()

# A pointer never lives in a 32-bit integer: the same sources build for 32- and 64-bit Windows.
# (C++ refuses a narrowing pointer cast by itself; the C flag is for the C sources.)
set(VX_POINTER_FLAGS -Werror=int-to-pointer-cast -Werror=narrowing $<$<COMPILE_LANGUAGE:C>:-Werror=pointer-to-int-cast>)

if(VX_WINDOWS)
  add_link_options(-static -static-libgcc -static-libstdc++)
endif()

function(vx_flags target)
  target_compile_options(${target} PRIVATE ${VX_CHARSET_FLAGS} -Wall -Wextra ${VX_POINTER_FLAGS})
  target_include_directories(${target} PUBLIC ${CMAKE_SOURCE_DIR} ${VX_BOOST_DIR})
  if(VX_WINDOWS)
    target_compile_definitions(${target} PUBLIC WINVER=0x0501 _WIN32_WINNT=0x0501 _WIN32_IE=0x0600)
  endif()
endfunction()

# Every portable source at the top of a subsystem folder, in one library.
function(vx_portable_library)
  set(srcs)
  foreach(sub ${VX_SUBSYSTEMS})
    file(GLOB s CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${sub}/*.cpp)
    list(APPEND srcs ${s})
  endforeach()
  add_library(vx_core STATIC ${srcs})
  vx_flags(vx_core)
  find_package(Threads REQUIRED)
  target_link_libraries(vx_core PUBLIC Threads::Threads)
endfunction()

# The Win32 side of every subsystem, the resources and the editor itself.
function(vx_windows_program)
  set(srcs)
  foreach(sub ${VX_SUBSYSTEMS})
    file(GLOB s CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${sub}/win/*.cpp)
    list(APPEND srcs ${s})
  endforeach()
  list(FILTER srcs EXCLUDE REGEX "/app/win/WinMain\\.cpp$")
  add_library(vx_win STATIC ${srcs})
  vx_flags(vx_win)
  target_link_libraries(vx_win PUBLIC vx_core comctl32 comdlg32 shlwapi shell32 winmm imm32 gdi32 user32 kernel32 ole32)
  # Some portable declarations have their Windows definitions here (paths through the shell).
  target_link_libraries(vx_core PUBLIC vx_win)
  vx_rc_depends(${CMAKE_SOURCE_DIR}/app/win/Editor.rc)
  if(EXISTS ${CMAKE_SOURCE_DIR}/app/win/WinMain.cpp)
    add_executable(Vontaris WIN32 ${CMAKE_SOURCE_DIR}/app/win/WinMain.cpp ${CMAKE_SOURCE_DIR}/app/win/Editor.rc)
    vx_flags(Vontaris)
    target_link_libraries(Vontaris PRIVATE vx_win)
  endif()
endfunction()

# windres does not report the fragments a script includes, so a changed template would not rebuild
# the resources: every script depends on every fragment and picture of the subsystems instead.
function(vx_rc_depends)
  set(parts)
  foreach(sub ${VX_SUBSYSTEMS})
    file(GLOB p CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${sub}/win/*.rc ${CMAKE_SOURCE_DIR}/${sub}/win/*.ico)
    list(APPEND parts ${p})
  endforeach()
  set_source_files_properties(${ARGN} PROPERTIES OBJECT_DEPENDS "${parts}")
endfunction()
