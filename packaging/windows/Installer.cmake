# Installed like a Windows program: vasculon.exe, its licence and read-me in
# Program Files\Vasculon, a Start-menu shortcut, and an entry in Add/Remove
# Programs with name, version, publisher, icon, size and uninstaller.
# `cpack -G NSIS` makes the installer (silent with /S), `cpack -G ZIP` the
# portable archive of the same three files. The player's progress lives in
# the Saved Games folder or %LOCALAPPDATA%, never here, so the uninstaller,
# which removes only what was installed, leaves it alone.
set(VASCULON_README_TXT ${PROJECT_SOURCE_DIR}/packaging/windows/README.txt)
install(TARGETS vasculon RUNTIME DESTINATION .)
# .txt, so that a double click opens them.
install(FILES LICENSE DESTINATION . RENAME LICENSE.txt)
install(FILES ${VASCULON_README_TXT} DESTINATION .)

set(CPACK_PACKAGE_NAME Vasculon)
set(CPACK_PACKAGE_VENDOR "The Vasculon developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "arcade game: steer a germ up the bloodstream to the heart")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://vasculon.example.org/")
set(CPACK_PACKAGE_FILE_NAME Vasculon-${PROJECT_VERSION}-win64)
set(CPACK_PACKAGE_INSTALL_DIRECTORY Vasculon)
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Vasculon)
set(CPACK_PACKAGE_EXECUTABLES vasculon Vasculon)
set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)

set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_PACKAGE_NAME Vasculon)
set(CPACK_NSIS_DISPLAY_NAME Vasculon)
set(CPACK_NSIS_MUI_ICON ${VASCULON_ICO})
set(CPACK_NSIS_MUI_UNIICON ${VASCULON_ICO})
set(CPACK_NSIS_INSTALLED_ICON_NAME vasculon.exe)
set(CPACK_NSIS_URL_INFO_ABOUT ${CPACK_PACKAGE_HOMEPAGE_URL})
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
set(CPACK_NSIS_MANIFEST_DPI_AWARE ON)
set(CPACK_NSIS_COMPRESSOR "/SOLID lzma")
# A 64-bit installer: the 32-bit stub does not start under 64-bit-only
# Wine. FileFunc gives the size for Add/Remove Programs, in KiB.
set(CPACK_NSIS_DEFINES "Target amd64-unicode\n  !include FileFunc.nsh")
set(uninstall_key "Software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\Uninstall\\\\${CPACK_PACKAGE_INSTALL_REGISTRY_KEY}")
set(CPACK_NSIS_EXTRA_INSTALL_COMMANDS "
  \\\${GetSize} \\\"$INSTDIR\\\" \\\"/S=0K\\\" $0 $1 $2
  WriteRegDWORD SHCTX \\\"${uninstall_key}\\\" \\\"EstimatedSize\\\" $0")

set(CPACK_GENERATOR NSIS ZIP)
include(CPack)
