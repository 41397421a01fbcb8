# Run by CPack once the package's files are staged: writes the Debian changelog with the
# version, maintainer and date of this package (the maintainer may be given to cpack).
set(doc ${CPACK_TEMPORARY_INSTALL_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}/share/doc/morvi)
if(NOT CPACK_DEBIAN_PACKAGE_MAINTAINER MATCHES "^[^<>]+ <[^<>@ ]+@[^<>@ ]+>$")
    message(FATAL_ERROR "The package needs a maintainer, \"Name <address>\": configure with "
                        "-DMORVI_MAINTAINER=... (given: \"${CPACK_DEBIAN_PACKAGE_MAINTAINER}\")")
endif()
set(version ${CPACK_PACKAGE_VERSION}-${CPACK_DEBIAN_PACKAGE_RELEASE})
file(WRITE ${doc}/changelog.Debian "morvi (${version}) unstable; urgency=medium

  * Morvi ${CPACK_PACKAGE_VERSION}, build ${CPACK_DEBIAN_PACKAGE_RELEASE}.

 -- ${CPACK_DEBIAN_PACKAGE_MAINTAINER}  ${CPACK_MORVI_BUILD_TIME}
")
execute_process(COMMAND gzip -9nf ${doc}/changelog.Debian RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "gzip failed: ${status}")
endif()
