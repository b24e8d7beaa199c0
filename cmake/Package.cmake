# The Debian package, made by CPack from the same install rules as
# `cmake --install` (scripts/package runs it). CPack rather than a debian/
# folder: the install rules already describe the package's content, so one
# description serves both, and no debhelper tool chain is needed.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME smekalia)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_CONTACT "Smekalia developers <smekalia@example.org>")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# No Homepage field until the project has a web home of its own.
# Libraries from the programs' links; what they load at run time by name.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, qt6-translations-l10n, qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "three Russian word games: word search, hidden words, anagrams")
# CPack puts one space before every line; the list keeps one more, so it is
# shown as it is written.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Smekalia (Смекалия) is a family of three word games for Russian-speaking
players:
 - Slovolov (Словолов) hides words in a grid of letters;
 - Slovoset (Словосеть) finds and hides words spelled across the
   boundaries of the words of a text, and exports puzzles as web pages;
 - Bukvoklad (Буквоклад) asks for the word behind shuffled letters.
slovoset-cli builds the hidden-word puzzles from the command line.")
include(CPack)
