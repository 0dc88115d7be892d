# The installed package: `cmake --install build --prefix DIR` lays out include/orv059/, lib/
# (import libraries), bin/ (the DLLs and the toolchain's runtime DLLs), share/orv059/ (README and
# licence) and lib/cmake/orv059/ (the CMake package with the imported targets orv059::orv059,
# orv059::orvutil, orv059::orvui and orv059::afxlite). Every DLL also gets its version resource
# here, from the one version number in VERSION.
include(CMakePackageConfigHelpers)

set(ORV_PACKAGE_INCLUDE_DIR include/orv059)
set(ORV_PACKAGE_BIN_DIR bin)
set(ORV_PACKAGE_CMAKE_DIR lib/cmake/orv059)

function(orv_add_version_resource target description)
  get_target_property(output_name ${target} OUTPUT_NAME)
  if(NOT output_name)
    set(output_name ${target})
  endif()
  set(ORV_RES_INTERNAL_NAME ${output_name})
  set(ORV_RES_FILE_NAME ${output_name}.dll)
  set(ORV_RES_DESCRIPTION "${description}")
  set(rc ${CMAKE_BINARY_DIR}/resources/${target}_version.rc)
  configure_file(${CMAKE_SOURCE_DIR}/resources/VersionInfo.rc.in ${rc} @ONLY)
  target_sources(${target} PRIVATE ${rc})
endfunction()

set(ORV_PACKAGE_TARGETS afxlite)
# What the build sets for every target and a host needs as well: the headers call std::min and
# std::max after <windows.h>, and framework-style code tests this against null.
set_property(TARGET afxlite APPEND PROPERTY INTERFACE_COMPILE_DEFINITIONS $<INSTALL_INTERFACE:NOMINMAX>)
set_property(TARGET afxlite APPEND PROPERTY INTERFACE_COMPILE_OPTIONS
             $<INSTALL_INTERFACE:-fno-delete-null-pointer-checks>)
orv_add_version_resource(afxlite "Window framework stand-in")
# The framework-named headers gather the lite/ headers by their relative path.
install(FILES ${CMAKE_SOURCE_DIR}/afx/afx.h ${CMAKE_SOURCE_DIR}/afx/afxcmn.h
              ${CMAKE_SOURCE_DIR}/afx/afxcoll.h ${CMAKE_SOURCE_DIR}/afx/afxdllx.h
              ${CMAKE_SOURCE_DIR}/afx/afxext.h ${CMAKE_SOURCE_DIR}/afx/afxstr.h
              ${CMAKE_SOURCE_DIR}/afx/afxtempl.h ${CMAKE_SOURCE_DIR}/afx/afxwin.h
              ${CMAKE_SOURCE_DIR}/afx/atltypes.h
        DESTINATION ${ORV_PACKAGE_INCLUDE_DIR})
install(DIRECTORY ${CMAKE_SOURCE_DIR}/afx/lite/ DESTINATION ${ORV_PACKAGE_INCLUDE_DIR}/lite
        FILES_MATCHING PATTERN "*.h")

# Companion headers: all of them but the helpers that stay inside orvutil (not exported).
set(ORV_UTIL_PRIVATE_HEADERS ErrorModeGuard.h FolderScan.h PathProbe.h)
foreach(lib util ui)
  set(target orv${lib})
  if(TARGET ${target})
    list(APPEND ORV_PACKAGE_TARGETS ${target})
    file(GLOB headers ${CMAKE_SOURCE_DIR}/companion/${lib}/*.h)
    foreach(private ${ORV_UTIL_PRIVATE_HEADERS})
      list(REMOVE_ITEM headers ${CMAKE_SOURCE_DIR}/companion/${lib}/${private})
    endforeach()
    install(FILES ${headers} DESTINATION ${ORV_PACKAGE_INCLUDE_DIR})
  endif()
endforeach()
if(TARGET orvutil)
  orv_add_version_resource(orvutil "Value types and system services")
endif()
if(TARGET orvui)
  orv_add_version_resource(orvui "Window classes and drawing")
endif()

# The controls: the exported classes' headers only, the notification codes, and the headers of
# the helpers that those classes hold as members (the notifier, the text index); drop windows
# and their lists stay inside the library.
set(ORV_PUBLIC_HEADERS framework/OrvApi.h framework/DropBaseEdit.h framework/DropNotifications.h
    framework/DropNotifier.h select/SelectEdit.h select/AutoSuggestEdit.h select/TextIndex.h
    datetime/DateEdit.h datetime/TimeEdit.h paths/DirEdit.h paths/FileEdit.h paths/PathDropTarget.h)
if(TARGET orv059)
  list(APPEND ORV_PACKAGE_TARGETS orv059)
  orv_add_version_resource(orv059 "Drop-down edit controls")
  list(TRANSFORM ORV_PUBLIC_HEADERS PREPEND ${CMAKE_SOURCE_DIR}/)
  install(FILES ${ORV_PUBLIC_HEADERS} DESTINATION ${ORV_PACKAGE_INCLUDE_DIR})
endif()

install(TARGETS ${ORV_PACKAGE_TARGETS} EXPORT orv059Targets
        RUNTIME DESTINATION ${ORV_PACKAGE_BIN_DIR}
        LIBRARY DESTINATION ${ORV_PACKAGE_BIN_DIR}
        ARCHIVE DESTINATION lib)
# The C++ runtime is shared by the host and every DLL of the package, so it ships beside them.
install(FILES ${ORV_BIN_DIR}/libstdc++-6.dll ${ORV_BIN_DIR}/libgcc_s_seh-1.dll
              ${ORV_BIN_DIR}/libwinpthread-1.dll
        DESTINATION ${ORV_PACKAGE_BIN_DIR})
install(FILES ${CMAKE_SOURCE_DIR}/README.md ${CMAKE_SOURCE_DIR}/LICENSE
        DESTINATION share/orv059)

install(EXPORT orv059Targets NAMESPACE orv059:: DESTINATION ${ORV_PACKAGE_CMAKE_DIR})
configure_package_config_file(${CMAKE_SOURCE_DIR}/cmake/orv059Config.cmake.in
                              ${CMAKE_BINARY_DIR}/package/orv059Config.cmake
                              INSTALL_DESTINATION ${ORV_PACKAGE_CMAKE_DIR}
                              PATH_VARS ORV_PACKAGE_INCLUDE_DIR ORV_PACKAGE_BIN_DIR)
# Same major version: 1.x hosts build against any later 1.y.
write_basic_package_version_file(${CMAKE_BINARY_DIR}/package/orv059ConfigVersion.cmake
                                 VERSION ${PROJECT_VERSION} COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_BINARY_DIR}/package/orv059Config.cmake
              ${CMAKE_BINARY_DIR}/package/orv059ConfigVersion.cmake
        DESTINATION ${ORV_PACKAGE_CMAKE_DIR})

# The README states the release's version; it must be the one in VERSION.
add_test(NAME readme_version
         COMMAND ${CMAKE_COMMAND} -DREADME=${CMAKE_SOURCE_DIR}/README.md
                 -DVERSION=${PROJECT_VERSION} -P ${CMAKE_SOURCE_DIR}/cmake/CheckReadmeVersion.cmake)
# The API reference: Doxygen builds it and every public declaration has its comment.
add_test(NAME api_reference
         COMMAND ${CMAKE_COMMAND} -E env BUILD_DIR=${CMAKE_BINARY_DIR} ${CMAKE_SOURCE_DIR}/scripts/docs.sh)
# A host outside this tree: install to a temporary prefix, build examples/host against it from its
# own build folder, run it once headless under the test run's Wine server.
if(TARGET orv059)
  add_test(NAME installed_example
           COMMAND ${CMAKE_SOURCE_DIR}/scripts/example.sh ${CMAKE_BINARY_DIR}
                   ${CMAKE_CROSSCOMPILING_EMULATOR})
  set_tests_properties(installed_example PROPERTIES TIMEOUT 600)
endif()
