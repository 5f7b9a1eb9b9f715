# Two Debian packages (scripts/package builds them): quarnel-convert, the
# converter with its manual page and completion, and quarnel, the window with
# its menu entry, icons, metainfo and manual page, which needs the converter
# package of the same version.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quarnel)
set(CPACK_PACKAGE_VENDOR "Quarnel")
set(CPACK_PACKAGE_CONTACT "Quarnel <support@quarnel.ru>")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL convert window)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://quarnel.ru")

set(CPACK_DEBIAN_CONVERT_PACKAGE_NAME quarnel-convert)
set(CPACK_DEBIAN_CONVERT_PACKAGE_SECTION text)
set(CPACK_COMPONENT_CONVERT_DESCRIPTION
    "spreadsheet to ONIX XML converter for the book trade (command line)
quarnel-convert reads a supplier's workbook (xls, xlsx, ods or CSV), maps its
columns to product fields with a stored scheme and writes the XML messages of
the book and goods trade: price lists built from ONIX for Books 3.0
composites, or invoices. Its messages and manual page are in Russian.")

set(CPACK_DEBIAN_WINDOW_PACKAGE_NAME quarnel)
set(CPACK_DEBIAN_WINDOW_PACKAGE_SECTION text)
set(CPACK_DEBIAN_WINDOW_PACKAGE_DEPENDS "quarnel-convert (= ${PROJECT_VERSION})")
set(CPACK_COMPONENT_WINDOW_DESCRIPTION
    "spreadsheet to ONIX XML converter for the book trade (wizard window)
quarnel is a five-step wizard that reads a supplier's workbook (xls, xlsx,
ods or CSV), lets the user map its columns to product fields once, remembers
that mapping, and writes price lists or invoices as XML messages of the book
and goods trade. Its window, messages and manual page are in Russian.")

# The copyright file and the changelog of each package, where Debian looks
# for them.
set(changelog "${CMAKE_BINARY_DIR}/changelog.gz")
add_custom_command(
  OUTPUT "${changelog}"
  COMMAND gzip -9nc "${PROJECT_SOURCE_DIR}/packaging/changelog" > "${changelog}"
  DEPENDS "${PROJECT_SOURCE_DIR}/packaging/changelog"
  COMMENT "Package changelog")
add_custom_target(quarnel-changelog ALL DEPENDS "${changelog}")
foreach(component convert window)
  string(TOUPPER "${component}" upper)
  set(docs "${CMAKE_INSTALL_DATADIR}/doc/${CPACK_DEBIAN_${upper}_PACKAGE_NAME}")
  install(FILES "${PROJECT_SOURCE_DIR}/packaging/copyright" "${changelog}" DESTINATION "${docs}" COMPONENT ${component})
endforeach()

include(CPack)
