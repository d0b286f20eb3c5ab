# `cpack -G DEB` in a release build makes the Debian package of what `cmake --install` installs.
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
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_SECTION math)
# Libraries are found by dpkg-shlibdeps; the fonts the windows are drawn with are no library.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-wine, fonts-liberation2")
include(CPack)
