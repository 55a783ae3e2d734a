# `cpack` in a Release build writes quillset_VERSION_ARCH.deb (scripts/package.sh).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quillset)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${QUILLSET_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries come from dpkg-shlibdeps; Qt's platform plugins, which the
# program loads rather than links, are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-qpa-plugins)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "page designer for thermal roll printers")
# CPack puts the summary first and indents the lines; an empty line becomes " .".
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Quillset lays out one page of text, rectangles, barcodes and QR Code,
Data Matrix, PDF417, Aztec and MaxiCode symbols for a small thermal roll
printer that prints 384, 576 or 832 dots across, shows it dot
for dot as the printer will print it, saves it as a plain-text script and
sends it to the printer over a serial port, a USB device, the network or a
print queue.

quillset-cli renders, checks, converts and prints pages without a window.")
include(CPack)
