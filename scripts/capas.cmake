# Writes capas_qt.txt in the build directory for scripts/comprobar_capas:
# the include directories of the Qt modules with windows or painting, which
# nothing below sheets/ may see. Call it after find_package(Qt6 ...).
function(tarvia_capas_qt)
  set(prohibidos)
  foreach(modulo Gui Widgets PrintSupport Charts)
    if(TARGET Qt6::${modulo})
      get_target_property(directorios Qt6::${modulo} INTERFACE_INCLUDE_DIRECTORIES)
      foreach(directorio IN LISTS directorios)
        # Only the module's own folder: the common qt6/ folder holds QtCore too.
        get_filename_component(nombre "${directorio}" NAME)
        if(nombre STREQUAL "Qt${modulo}")
          list(APPEND prohibidos "${directorio}")
        endif()
      endforeach()
    endif()
  endforeach()
  list(JOIN prohibidos "\n" texto)
  file(WRITE ${CMAKE_BINARY_DIR}/capas_qt.txt "${texto}\n")
endfunction()
