# codarium_export_folder(TARGET)
# The target's users reach the headers of the folder it is built from as
# "<folder>/<name>.h", and nothing else of the source tree: the include root
# it exports holds a single entry, a link to that folder. So a header of a
# folder whose target is not linked is not found, and the build enforces
# what the folders may use. Targets built from one folder share its root.
function(codarium_export_folder target)
  file(RELATIVE_PATH folder ${CMAKE_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
  string(REPLACE "/" "_" root_name "${folder}")
  set(root ${CMAKE_BINARY_DIR}/include-roots/${root_name})
  set(link ${root}/${folder})
  if(NOT IS_SYMLINK ${link})
    get_filename_component(parent ${link} DIRECTORY)
    file(MAKE_DIRECTORY ${parent})
    file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR} ${link} SYMBOLIC)
  endif()
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "INTERFACE_LIBRARY")
    target_include_directories(${target} INTERFACE ${root})
  else()
    target_include_directories(${target} PUBLIC ${root})
  endif()
endfunction()
