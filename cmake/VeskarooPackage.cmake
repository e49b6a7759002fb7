# The Debian package: `cpack -G DEB` in the build folder (scripts/build-deb.sh
# builds and checks it). It holds what `cmake --install` lays out, under /usr.

set(VESKAROO_PACKAGE_MAINTAINER "Veskaroo developers <packages@veskaroo.org>"
    CACHE STRING "The Maintainer field of the Debian package")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME veskaroo)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${VESKAROO_PACKAGE_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Show, capture and annotate the picture of a document camera")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${VESKAROO_PACKAGE_MAINTAINER})
# The first line is the summary; the rest the long description, each line
# indented by one space as the control file wants it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION_SUMMARY}
 Veskaroo is the desktop program of a document camera. Put a sheet of paper,
 a book or an object under a USB or Wi-Fi camera and Veskaroo shows the live
 picture full-window; you can adjust the camera, freeze, zoom, rotate and
 compare the picture, draw over it, capture stills in several modes, make
 timelapse videos, record the screen with sound, recognise text and export
 pictures to files and PDF.")
# The libraries the program and the recorder link come from dpkg-shlibdeps;
# these are loaded at run time and so not seen there: Qt's sound and TIFF
# plugins and the text recognition engine.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt5multimedia5-plugins, qt5-image-formats-plugins, libtesseract5")
# Text recognition languages (English, Chinese) and fonts for the virtual
# camera's page and for the Chinese, Japanese and Korean interface texts.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "tesseract-ocr-eng, tesseract-ocr-chi-sim, tesseract-ocr-chi-tra, fonts-dejavu-core, fonts-wqy-microhei")

include(CPack)
