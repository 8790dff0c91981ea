# Compiles one help project in a scratch folder of the build and checks the
# result: chmcmd reports a missing page only through its exit code and leaves
# an empty file behind, so both are checked here.
# In: CHMCMD ICONV DIBUJOS CAPTURAS REFERENCIA HORA FECHA ORIGEN ESTILO OBRA PROYECTO DESTINO
# (FECHA, the sources' date in seconds since 1970, may be empty: chmcmd's own
# time stays then).

file(REMOVE_RECURSE ${OBRA})
file(MAKE_DIRECTORY ${OBRA})
file(GLOB _fuentes ${ORIGEN}/*)
file(COPY ${_fuentes} ${ESTILO} DESTINATION ${OBRA})

# Sources are UTF-8; the project, contents and index files are read as
# Windows-1252 (titles and the contents tree), so they are converted here.
foreach(_ext hhp hhc hhk)
  set(_f ${OBRA}/${PROYECTO}.${_ext})
  if(EXISTS ${_f})
    execute_process(COMMAND ${ICONV} -f UTF-8 -t WINDOWS-1252 ${ORIGEN}/${PROYECTO}.${_ext}
      OUTPUT_FILE ${_f} RESULT_VARIABLE _rc ERROR_VARIABLE _err)
    if(NOT _rc EQUAL 0)
      message(FATAL_ERROR "${PROYECTO}.${_ext}: no se puede pasar a Windows-1252: ${_err}")
    endif()
  endif()
endforeach()

execute_process(COMMAND ${DIBUJOS} ${PROYECTO} ${OBRA}
  RESULT_VARIABLE _rc ERROR_VARIABLE _err)
if(NOT _rc EQUAL 0)
  message(FATAL_ERROR "No se pudieron dibujar las imágenes de ${PROYECTO}: ${_err}")
endif()

# The program help shows each sheet as the program draws it.
if(PROYECTO STREQUAL "Tarvia")
  execute_process(COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ${CAPTURAS} ${REFERENCIA} ${OBRA}
    RESULT_VARIABLE _rc ERROR_VARIABLE _err)
  if(NOT _rc EQUAL 0)
    message(FATAL_ERROR "No se pudieron dibujar las hojas para la ayuda: ${_err}")
  endif()
endif()

set(_chm ${OBRA}/${PROYECTO}.chm)
file(REMOVE ${_chm})
# chmcmd also writes the low bits of an address into the keyword index's map,
# inside the compressed part where it cannot be put right afterwards. With
# address randomisation off and an empty environment that address is the same
# in every build, whatever the folder.
find_program(_setarch setarch)
find_program(_env env)
set(_fijo)
if(_setarch AND _env)
  set(_fijo ${_env} -i ${_setarch} -R)
endif()
execute_process(COMMAND ${_fijo} ${CHMCMD} ${PROYECTO}.hhp
  WORKING_DIRECTORY ${OBRA}
  RESULT_VARIABLE _rc OUTPUT_VARIABLE _salida ERROR_VARIABLE _salida)
if(_fijo AND NOT _rc EQUAL 0 AND _salida MATCHES "setarch")
  # Where the system does not let a process turn randomisation off.
  message(WARNING "setarch -R no funciona aquí: ${PROYECTO}.chm puede variar de una compilación a otra")
  execute_process(COMMAND ${CHMCMD} ${PROYECTO}.hhp
    WORKING_DIRECTORY ${OBRA}
    RESULT_VARIABLE _rc OUTPUT_VARIABLE _salida ERROR_VARIABLE _salida)
endif()
if(NOT _rc EQUAL 0)
  message(FATAL_ERROR "chmcmd terminó con el código ${_rc} al compilar ${PROYECTO}.hhp:\n${_salida}")
endif()
if(NOT EXISTS ${_chm})
  message(FATAL_ERROR "chmcmd no produjo ${_chm}:\n${_salida}")
endif()
file(SIZE ${_chm} _tamano)
if(_tamano EQUAL 0)
  message(FATAL_ERROR "chmcmd dejó vacío ${_chm}:\n${_salida}")
endif()
if(NOT FECHA STREQUAL "")
  execute_process(COMMAND ${HORA} ${_chm} ${FECHA} RESULT_VARIABLE _rc ERROR_VARIABLE _err)
  if(NOT _rc EQUAL 0)
    message(FATAL_ERROR "No se pudo fijar la fecha de ${PROYECTO}.chm: ${_err}")
  endif()
endif()
file(COPY_FILE ${_chm} ${DESTINO})
