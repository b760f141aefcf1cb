# Install rules and the Debian package. The program expects Fax.html, Brief.html and Error.html
# in its own folder, so they share one program folder; products start the program there through
# the launcher link in bin/. Included at the end of the root CMakeLists.txt; scripts/package
# builds and checks the package.
include(GNUInstallDirs)

set(HOVLO_PROGRAM_DIR "/opt/Veskora/Hovlo" CACHE PATH
    "Program folder: the program and the pages it expects beside itself (absolute, or relative to the prefix)")

install(TARGETS hovlo RUNTIME DESTINATION ${HOVLO_PROGRAM_DIR})
install(FILES examples/Fax.html examples/Brief.html examples/Error.html
        DESTINATION ${HOVLO_PROGRAM_DIR})

# The launcher: a symbolic link, so that the program still finds its folder (it resolves its
# own path). An absolute program folder is linked absolutely; a relative one relative to bin/,
# which holds whatever prefix the install or the package uses.
if(IS_ABSOLUTE "${HOVLO_PROGRAM_DIR}")
    set(hovlo_link_target "${HOVLO_PROGRAM_DIR}/hovlo")
else()
    file(RELATIVE_PATH hovlo_link_target "/prefix/${CMAKE_INSTALL_BINDIR}"
         "/prefix/${HOVLO_PROGRAM_DIR}/hovlo")
endif()
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/launcher)
file(CREATE_LINK "${hovlo_link_target}" ${CMAKE_BINARY_DIR}/launcher/hovlo SYMBOLIC)
install(FILES ${CMAKE_BINARY_DIR}/launcher/hovlo DESTINATION ${CMAKE_INSTALL_BINDIR})

# Fontconfig snippets that make the kit's font visible (resources/fontconfig/*.conf). None is
# shipped while the kit registers its font itself; a snippet placed there is installed and
# expected by scripts/package without further changes here.
file(GLOB HOVLO_FONTCONFIG_SNIPPETS CONFIGURE_DEPENDS
     ${CMAKE_SOURCE_DIR}/resources/fontconfig/*.conf)
if(HOVLO_FONTCONFIG_SNIPPETS)
    install(FILES ${HOVLO_FONTCONFIG_SNIPPETS} DESTINATION /etc/fonts/conf.d)
endif()

# The Debian package.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME hovlo)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Veskora GmbH")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Customer-support client for Veskora desktop products")
set(CPACK_PACKAGE_DESCRIPTION
    "Hovlo shows the online FAQ search and support form of a Veskora product, or its offline fax
and letter forms, filled with the customer's address and the data of the machine, and prints
them. The products start it with their dialog configuration file.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Veskora Paketbau <paketbau@veskora.example>")
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${HOVLO_SUPPORT_BASE_URL}")
# dpkg-shlibdeps adds the linked libraries with their versions. The list names the runtime
# packages as well, so that the package stays complete whatever the linker drops, and adds
# what is needed without being linked: the engine's helper process, the kit's font and the
# font configuration.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libqt6webenginewidgets6, libqt6webenginecore6, libqt6webenginecore6-bin, libqt6printsupport6, libqt6widgets6, libqt6gui6, libglib2.0-0, fonts-wine, fontconfig")
include(CPack)

if(HOVLO_BUILD_TESTS)
    add_test(NAME PackageHoldsProgramPagesAndLauncher
             COMMAND ${CMAKE_SOURCE_DIR}/scripts/package --build-dir ${CMAKE_BINARY_DIR}
                     --out ${CMAKE_BINARY_DIR}/package-test)
    set_tests_properties(PackageHoldsProgramPagesAndLauncher PROPERTIES TIMEOUT 300)
endif()
