# SPDX-License-Identifier: Apache-2.0
# Installation on Windows: one folder holding the program and the shipped data files, packed as a
# ZIP, and as an NSIS installer wherever makensis is found (Windows, or Debian's nsis on Linux).

# The program reads "cities.txt" and "metro.txt" from the folder it is started in, and Explorer
# starts a program in its own folder: so everything goes beside the executable.
install(TARGETS vantrel-area-code RUNTIME DESTINATION .)
install(FILES ${PROJECT_SOURCE_DIR}/data/cities.txt ${PROJECT_SOURCE_DIR}/data/metro.txt
              ${PROJECT_SOURCE_DIR}/data/README.md
        DESTINATION .)
# Named so that Windows opens them as text.
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION . RENAME LICENSE.txt)
install(FILES ${CMAKE_CURRENT_SOURCE_DIR}/copyright DESTINATION . RENAME copyright.txt)

# No run-time libraries to ship: MinGW and Visual C++ builds alike link them statically.

set(CPACK_PACKAGE_INSTALL_DIRECTORY "Vantrel Area Code")
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY "Vantrel Area Code")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_SYSTEM_NAME windows-x64)
set(CPACK_GENERATOR ZIP)
set(CPACK_VERBATIM_VARIABLES ON)  # the installer's commands below hold backslashes and dollars

find_program(VANTREL_MAKENSIS makensis PATHS "$ENV{ProgramFiles\(x86\)}/NSIS" "$ENV{ProgramFiles}/NSIS")
if(VANTREL_MAKENSIS)
  list(APPEND CPACK_GENERATOR NSIS64)
  # A 64-bit installer for a 64-bit program: it installs under the 64-bit Program Files and
  # registry, and runs where no 32-bit subsystem is (such as a 64-bit-only wine).
  # The installer keeps no file times, which would differ from one checkout or build to another:
  # installed files bear the time of installation.
  set(CPACK_NSIS_DEFINES "Target amd64-unicode\nSetDateSave off")
  set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
  set(CPACK_NSIS_PACKAGE_NAME "Vantrel Area Code")
  set(CPACK_NSIS_DISPLAY_NAME "Vantrel Area Code")
  set(CPACK_NSIS_INSTALLED_ICON_NAME vantrel-area-code.exe)
  set(CPACK_NSIS_MANIFEST_DPI_AWARE ON)
  file(TO_NATIVE_PATH ${CMAKE_CURRENT_SOURCE_DIR}/icons/vantrel-area-code.ico icon)
  set(CPACK_NSIS_MUI_ICON ${icon})
  set(CPACK_NSIS_MUI_UNIICON ${icon})
  set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
  # A shortcut starts its program in the output folder set when it was made: the install folder,
  # where the data files are. Written out here rather than left to the installer's defaults.
  set(CPACK_NSIS_CREATE_ICONS_EXTRA [[
    SetOutPath "$INSTDIR"
    CreateShortCut "$SMPROGRAMS\$STARTMENU_FOLDER\Vantrel Area Code.lnk" "$INSTDIR\vantrel-area-code.exe" "" "$INSTDIR\vantrel-area-code.exe" 0
  ]])
  # The uninstaller removes the program's own registry key; its vendor key goes too once empty.
  set(CPACK_NSIS_DELETE_ICONS_EXTRA [[
    Delete "$SMPROGRAMS\$MUI_TEMP\Vantrel Area Code.lnk"
    DeleteRegKey /ifempty SHCTX "Software\Vantrel"
  ]])
endif()
include(CPack)

if(BUILD_TESTING)
  add_subdirectory(tests)
endif()
