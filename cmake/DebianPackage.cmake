# The Debian package (cpack -G DEB in the build folder): everything `cmake --install` lays
# out, under /usr, stripped, with the shared-library dependencies (Qt, libc, libstdc++)
# computed by dpkg-shlibdeps. The manual page is installed already compressed
# (share/man/man1/ormane.1.gz), as Debian wants.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ormane)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Ormane contributors")
set(CPACK_PACKAGE_CONTACT "Ormane contributors <ormane@invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "predictive probabilities for the replication of an experiment")
set(CPACK_PACKAGE_DESCRIPTION
    "Ormane is a desktop calculator for researchers. From the result of a finished
experiment (a Student t, an F, or a two- or one-tailed p, with its degrees of
freedom) it computes the probability that a replication, or a larger future
experiment, finds an effect of the same sign (prep), one that is also
significant (psrep), or one whose own prep exceeds a chosen level (ppreprep),
with prediction intervals for the future t, p and effect size.

The window speaks English and French. The same calculator runs from the
command line (ormane compute, ormane batch).")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt draws no text without a font, and a minimal system may have none.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS fonts-dejavu-core)

include(CPack)
