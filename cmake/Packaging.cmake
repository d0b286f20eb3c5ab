# CPack makes the installable package of what `cmake --install` installs: a Debian package from a
# Linux build (`cpack -G DEB`), an NSIS installer from the Windows one (`cpack -G NSIS`).
set(CPACK_PACKAGE_NAME brintamo)
set(CPACK_PACKAGE_VENDOR "The Brintamo developers")
set(CPACK_PACKAGE_CONTACT "The Brintamo developers <brintamo@example.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Find the real roots of a quadratic equation")
set(CPACK_PACKAGE_DESCRIPTION
    "Brintamo finds the real roots of a quadratic equation a*x^2 + b*x + c = 0
in a small desktop window. Type the three coefficients and press CALCULATE:
both roots appear, each rounded to two decimal places, exactly for the
numbers as typed and in the user's locale. An empty box, an equation without
real roots and input that is no number are each answered with a message.
Help explains the program with a worked example.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://www.example.com/")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_VERBATIM_VARIABLES ON) # values reach the package tools exactly as written here
if(WIN32)
    # A 64-bit installer, with a Start-menu shortcut and an uninstaller.
    set(uninstall_key "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Brintamo")
    # Folders the installer makes around the program's own, such as the outer ones of a nested
    # new folder, are remembered before anything is installed and removed with it if still empty.
    # A folder that was there before is never removed. An upgrade first runs the old uninstaller
    # in place (where it cannot remove itself, so the folder stays): that one hands the record on
    # to the new installation in Upgrade.ini beside it.
    # The installer's own branding line, given here as CPack's own way adds an option that makensis
    # refuses off Windows.
    set(CPACK_NSIS_DEFINES
        "Target amd64-unicode
BrandingText \"Brintamo ${PROJECT_VERSION}\"
!include FileFunc.nsh
Var outermostFolderMade
Section \"-Remember the folders made\"
  ReadINIStr $1 \"$INSTDIR\\Upgrade.ini\" Brintamo OutermostFolderMade
  Delete \"$INSTDIR\\Upgrade.ini\"
  ClearErrors
  StrCmp $1 \"\" 0 brintamoFoundMade
  StrCpy $0 \"$INSTDIR\"
  brintamoSeekMade:
    IfFileExists \"$0\\*.*\" brintamoFoundMade
    StrCpy $1 $0
    \${GetParent} $0 $0
    StrCmp $0 \"\" brintamoFoundMade brintamoSeekMade
  brintamoFoundMade:
  StrCmp $1 \"\" +2
  WriteRegStr SHCTX \"${uninstall_key}\" \"BrintamoOutermostFolderMade\" $1
SectionEnd
Function un.onUninstSuccess
  StrCmp $outermostFolderMade \"\" brintamoRemovedMade
  StrCpy $0 \"$INSTDIR\"
  brintamoRemoveMade:
    StrCmp $0 $outermostFolderMade brintamoRemovedMade
    \${GetParent} $0 $0
    StrCmp $0 \"\" brintamoRemovedMade
    RMDir $0
    Goto brintamoRemoveMade
  brintamoRemovedMade:
FunctionEnd")
    set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
    set(CPACK_PACKAGE_INSTALL_DIRECTORY Brintamo)
    set(CPACK_NSIS_PACKAGE_NAME Brintamo)
    set(CPACK_NSIS_DISPLAY_NAME Brintamo)
    set(CPACK_PACKAGE_EXECUTABLES brintamo Brintamo)
    set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
    set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/forms/resources/brintamo.ico)
    set(CPACK_NSIS_MUI_UNIICON ${PROJECT_SOURCE_DIR}/forms/resources/brintamo.ico)
    set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
    # The entry among installed programs shows the program's icon and its size; uninstalling
    # leaves no key behind, the publisher's own included.
    set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Brintamo)
    set(CPACK_NSIS_INSTALLED_ICON_NAME brintamo.exe)
    # An offer to run the program once installed (a silent install shows no finish page, so runs
    # nothing). Removal belongs in Settings, so the Start
    # menu gets no Uninstall shortcut.
    set(CPACK_NSIS_MUI_FINISHPAGE_RUN brintamo.exe)
    set(CPACK_NSIS_EXTRA_INSTALL_COMMANDS
        "\${GetSize} \"$INSTDIR\" \"/S=0K\" $0 $1 $2
  IntFmt $0 \"0x%08X\" $0
  WriteRegDWORD SHCTX \"${uninstall_key}\" \"EstimatedSize\" \"$0\"
  Delete \"$SMPROGRAMS\\$STARTMENU_FOLDER\\Uninstall.lnk\"")
    set(vendor_key "Software\\${CPACK_PACKAGE_VENDOR}")
    # A running program cannot be removed: the uninstaller says so and lets the user close it and
    # retry, or cancel, removing nothing. It asks the installers' own check, the one the MSI asks.
    # The installers' check for a running program, stripped, as installer/ makes it.
    set(installer_checks ${PROJECT_BINARY_DIR}/installer/package/brintamo-installer-checks.dll)
    set(CPACK_NSIS_EXTRA_UNINSTALL_COMMANDS
        "InitPluginsDir
  File \"/oname=$PLUGINSDIR\\brintamo-installer-checks.dll\" \"${installer_checks}\"
  brintamoCheckRunning:
  System::Call '$PLUGINSDIR\\brintamo-installer-checks.dll::programInUse(w \"$INSTDIR\\brintamo.exe\") i .r0 ?u'
  StrCmp $0 1 0 brintamoNotRunning
  MessageBox MB_RETRYCANCEL|MB_ICONSTOP \"Brintamo is running. Close it, then choose Retry.\" /SD IDCANCEL IDRETRY brintamoCheckRunning
  SetErrorLevel 2
  Quit
  brintamoNotRunning:
  ReadRegStr $outermostFolderMade SHCTX \"${uninstall_key}\" \"BrintamoOutermostFolderMade\"
  DeleteRegKey SHCTX \"${vendor_key}\\Brintamo\"
  DeleteRegKey /ifempty SHCTX \"${vendor_key}\"
  StrCmp $EXEDIR $INSTDIR 0 +3
  WriteINIStr \"$INSTDIR\\Upgrade.ini\" Brintamo OutermostFolderMade $outermostFolderMade
  StrCpy $outermostFolderMade \"\"")
    set(CPACK_PACKAGE_FILE_NAME brintamo-${PROJECT_VERSION}-setup)
    include(CPack)
    return()
endif()
# (The Windows program is stripped before it is packaged, in win32/, where it may be signed.)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION math)
# Libraries are found by dpkg-shlibdeps; the fonts the windows are drawn with are no library.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-wine, fonts-liberation2")
# Under a Wayland session Qt needs its Wayland plugin; without it the program runs through
# XWayland.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-wayland)
include(CPack)
