# Run by cpack on the staged files, before it makes a package: for the Debian package, the
# copyright file and the changelog go to the package's documentation folder, and the manual
# pages and the changelog are compressed as Debian wants them (gzip -9n: no name, no time, so
# the same files make the same package).
if(CPACK_GENERATOR STREQUAL "DEB")
  set(root "${CPACK_TEMPORARY_INSTALL_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}")
  set(doc "${root}/share/doc/${CPACK_PACKAGE_NAME}")

  # The changelog's newest entry is the version being packaged.
  file(STRINGS "${CPACK_REZAR_DEBIAN_DIR}/changelog" newest LIMIT_COUNT 1)
  if(NOT newest MATCHES "^${CPACK_PACKAGE_NAME} \\(${CPACK_PACKAGE_VERSION}\\) ")
    message(FATAL_ERROR "dist/debian/changelog begins with '${newest}': "
                        "add an entry for ${CPACK_PACKAGE_VERSION}")
  endif()
  file(COPY "${CPACK_REZAR_DEBIAN_DIR}/copyright" "${CPACK_REZAR_DEBIAN_DIR}/changelog"
       DESTINATION "${doc}")

  file(GLOB manuals "${root}/share/man/man*/*.[1-9]")
  foreach(file IN LISTS manuals ITEMS "${doc}/changelog")
    execute_process(COMMAND gzip -9nf "${file}" RESULT_VARIABLE failed)
    if(failed)
      message(FATAL_ERROR "gzip ${file}: ${failed}")
    endif()
  endforeach()
endif()
