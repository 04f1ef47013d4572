# Run by CPack on its staging folder before it builds the .deb, for what Debian's policy asks beyond
# the install rules: the programs in /usr/games, as the section games has them, stripped as Debian's
# own tools strip them; the manual pages and a changelog of the release compressed with gzip -9n (no
# name or time stamp inside, so that the package builds the same bytes again).
set(usr ${CPACK_TEMPORARY_INSTALL_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX})
file(RENAME ${usr}/bin ${usr}/games)
file(GLOB programs ${usr}/games/*)
execute_process(COMMAND ${CPACK_FLEETWICK_STRIP} --remove-section=.comment --remove-section=.note --strip-unneeded
                        ${programs} COMMAND_ERROR_IS_FATAL ANY)

set(doc ${usr}/share/doc/${CPACK_PACKAGE_NAME})
execute_process(COMMAND date -u -R -d ${CPACK_FLEETWICK_RELEASE_DATE} OUTPUT_VARIABLE date
                OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
file(WRITE ${doc}/changelog "${CPACK_PACKAGE_NAME} (${CPACK_PACKAGE_VERSION}) unstable; urgency=medium

  * Fleetwick ${CPACK_PACKAGE_VERSION}, packaged by CPack from its install rules.

 -- ${CPACK_DEBIAN_PACKAGE_MAINTAINER}  ${date}
")
file(GLOB pages ${usr}/share/man/man*/*.[1-9])
foreach(file ${pages} ${doc}/changelog)
  execute_process(COMMAND gzip -9nf ${file} COMMAND_ERROR_IS_FATAL ANY)
endforeach()
