# Installation for a Linux desktop and the .deb package.
include(GNUInstallDirs)

install(TARGETS umrido RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/packaging/umrido.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/ui/art/umrido.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size 16 32 48 64 128 256)
  if(EXISTS ${PROJECT_SOURCE_DIR}/packaging/icons/umrido-${size}.png)
    install(FILES ${PROJECT_SOURCE_DIR}/packaging/icons/umrido-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME umrido.png)
  endif()
endforeach()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME umrido)
set(CPACK_PACKAGE_VENDOR "The Umrido developers")
set(CPACK_PACKAGE_CONTACT "The Umrido developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Unit converter with a scientific pocket calculator")
set(CPACK_PACKAGE_DESCRIPTION
    "Umrido converts values between the units of 51 physical quantities and has a scientific pocket calculator beside the converter. German and English interface.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation")
set(CPACK_STRIP_FILES ON)
include(CPack)
